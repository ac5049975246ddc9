// Select Printer and Print Setup as a user meets them, in two settings of the machine: with no printer
// that Wine can see (PrinterDialogsNoPrinter, ctest label noprinter) and with the CUPS test queues of
// scripts/lib/cups-session.sh (the *WithPrinter* suites, label printer). scripts/test runs each suite by
// its label where the machine fits it; run where it doesn't, a suite fails, saying what it found.
#include <windows.h>
#include <dlgs.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host_run.h"
#include "support/win/printers.h"
#include "vantrel_app.h"

using namespace gui;
using support::win::InstalledPrinters;

namespace {

// The queues cups_start makes; the first is the default.
constexpr wchar_t kDefaultQueue[] = L"VantrelTest";
constexpr wchar_t kOtherQueue[] = L"VantrelOther";
constexpr wchar_t kNoDefaultPrinterText[] = L"There is no default printer currently selected.";

std::wstring Listed(const std::vector<std::wstring>& names) {
    std::wstring text;
    for (const auto& name : names)
        text += (text.empty() ? L"" : L", ") + name;
    return text.empty() ? L"none" : text;
}

bool Contains(const std::vector<std::wstring>& names, const wchar_t* name) {
    for (const auto& each : names) {
        if (each == name)
            return true;
    }
    return false;
}

std::vector<HWND> VisibleDialogs(const App& app) {
    std::vector<HWND> dialogs;
    for (HWND window : app.TopLevelWindows()) {
        if (ClassName(window) == L"#32770" && IsWindowVisible(window))
            dialogs.push_back(window);
    }
    return dialogs;
}

// Where the dialogs are placed: centred across the screen, the top a third of the free height down.
void ExpectPlacedCentredAThirdDown(HWND dialog) {
    RECT frame;
    GetWindowRect(dialog, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 3);
}

// Chooses an entry of a drop-down list in a dialog as the user's pick does, notification included.
bool ChooseInCombo(HWND dialog, int comboId, const wchar_t* entry) {
    HWND combo = GetDlgItem(dialog, comboId);
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        if (WindowText(combo) == entry) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
            return true;
        }
    }
    return false;
}

} // namespace

// --- without a printer ---------------------------------------------------------------------------------

class PrinterDialogsNoPrinter : public VantrelTest {
protected:
    void SetUp() override {
        const auto printers = InstalledPrinters();
        ASSERT_TRUE(printers.empty())
            << "this suite needs a machine on which Wine lists no printer (cups_unreachable), "
            << "but it lists " << Listed(printers);
        VantrelTest::SetUp();
    }

    // Each way of opening the dialog, twice each: every time the error box and nothing else.
    void ExpectNoDefaultPrinterErrorEveryTime(const std::vector<std::function<void()>>& opens) {
        int attempt = 0;
        for (const auto& open : opens) {
            for (int again = 0; again < 2; ++again) {
                ++attempt;
                open();
                HWND box = app().WaitForDialog(5000, L"Vantrel v2.2");
                ASSERT_NE(box, nullptr) << "no error box, attempt " << attempt;
                const MessageBoxContent content = ReadMessageBox(box);
                EXPECT_EQ(content.text, kNoDefaultPrinterText) << "attempt " << attempt;
                EXPECT_TRUE(content.hasStopIcon) << "attempt " << attempt;
                EXPECT_EQ(content.buttons, std::vector<std::wstring>{L"OK"}) << "attempt " << attempt;
                EXPECT_EQ(VisibleDialogs(app()), std::vector<HWND>{box}) << "attempt " << attempt;
                PressDialogButton(box, IDOK);
                ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
                ASSERT_TRUE(app().WaitUntilIdle());
                EXPECT_EQ(app().WaitForDialog(300), nullptr) << "a dialog after the error box, attempt " << attempt;
            }
        }
        EXPECT_TRUE(IsWindowEnabled(Main()));
    }
};

TEST_F(PrinterDialogsNoPrinter, SelectPrinterShowsTheNoDefaultPrinterErrorAndNoDialogEveryTime) {
    ExpectNoDefaultPrinterErrorEveryTime(
        {[&] { PostCommand(Main(), CMD_SELPRINT); }, [&] { PostClick(ToolButton(L"Select Printer")); }});
}

TEST_F(PrinterDialogsNoPrinter, PrintSetupShowsTheNoDefaultPrinterErrorAndNoDialogEveryTime) {
    ExpectNoDefaultPrinterErrorEveryTime(
        {[&] { PostCommand(Main(), CMD_PRINTSETUP); }, [&] { PostClick(ToolButton(L"Setup Printer")); }});
}

// --- with the test printers ------------------------------------------------------------------------------

// Fails the test, saying what Wine lists, when the machine is not set up with the test printers.
void RequireTestPrinters() {
    const auto printers = InstalledPrinters();
    ASSERT_TRUE(Contains(printers, kDefaultQueue) && Contains(printers, kOtherQueue))
        << "this suite needs the test printers (cups_start of scripts/lib/cups-session.sh), but Wine lists "
        << Listed(printers);
    wchar_t defaultPrinter[256] = {};
    DWORD length = 256;
    ASSERT_TRUE(GetDefaultPrinterW(defaultPrinter, &length));
    ASSERT_STREQ(defaultPrinter, kDefaultQueue);
}

// The two dialogs, opened and closed as the user does.
class PrinterDialogsWithPrinter : public VantrelTest {
protected:
    void SetUp() override {
        RequireTestPrinters();
        if (HasFatalFailure())
            return;
        VantrelTest::SetUp();
    }

    HWND OpenSelectPrinter() {
        PostCommand(Main(), CMD_SELPRINT);
        return app().WaitForDialog(10000, L"Print");
    }
    HWND OpenPrintSetup() {
        PostCommand(Main(), CMD_PRINTSETUP);
        return app().WaitForDialog(10000, L"Print Setup");
    }
    void Close(HWND dialog, int button) {
        PressDialogButton(dialog, button);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
        ASSERT_TRUE(app().WaitUntilIdle());
    }
    std::wstring Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
    bool Checked(HWND dialog, int id) { return IsChecked(GetDlgItem(dialog, id)); }
};

TEST_F(PrinterDialogsWithPrinter, SelectPrinterOpensOnTheDefaultPrinterPlacedWithoutPageRangesPrintToFileOrHelp) {
    HWND dialog = OpenSelectPrinter();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, cmb4), kDefaultQueue);
    ExpectPlacedCentredAThirdDown(dialog);
    EXPECT_TRUE(Checked(dialog, rad1)) << "all pages";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, rad3))) << "page numbers";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, rad2))) << "selection";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, chx1))) << "print to file";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, pshHelp))) << "help";
    EXPECT_EQ(Text(dialog, edt3), L"1") << "the copies of the printer's own settings";
    EXPECT_FALSE(IsWindowEnabled(Main())) << "modal";
    Close(dialog, IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(Main()));
}

TEST_F(PrinterDialogsWithPrinter, PrintSetupOpensOnTheDefaultPrinterPlacedWithoutHelp) {
    HWND dialog = OpenPrintSetup();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, cmb1), kDefaultQueue);
    ExpectPlacedCentredAThirdDown(dialog);
    EXPECT_TRUE(Checked(dialog, rad1)) << "portrait, the printer's default";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, pshHelp))) << "help";
    EXPECT_FALSE(IsWindowEnabled(Main())) << "modal";
    Close(dialog, IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(Main()));
}

TEST_F(PrinterDialogsWithPrinter, PrinterChosenWithOkIsWhereBothDialogsOpenNext) {
    HWND dialog = OpenSelectPrinter();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseInCombo(dialog, cmb4, kOtherQueue));
    Close(dialog, IDOK);

    dialog = OpenPrintSetup();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, cmb1), kOtherQueue);
    Close(dialog, IDCANCEL);

    dialog = OpenSelectPrinter();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, cmb4), kOtherQueue);
    Close(dialog, IDCANCEL);
}

TEST_F(PrinterDialogsWithPrinter, SettingsChosenWithOkAreWhatTheNextOpeningShows) {
    HWND dialog = OpenPrintSetup();
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, rad2)); // landscape
    ASSERT_TRUE(Checked(dialog, rad2));
    Close(dialog, IDOK);

    dialog = OpenPrintSetup();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Checked(dialog, rad2)) << "landscape kept";
    EXPECT_FALSE(Checked(dialog, rad1));
    Close(dialog, IDCANCEL);
}

// The dialog puts the copy count it reports beside the device settings; the count is kept in them, so
// the next opening (which shows the settings' count) shows it.
TEST_F(PrinterDialogsWithPrinter, CopiesChosenWithOkAreWhatTheNextOpeningShows) {
    HWND dialog = OpenSelectPrinter();
    ASSERT_NE(dialog, nullptr);
    SendMessageW(GetDlgItem(dialog, edt3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"3"));
    Close(dialog, IDOK);

    dialog = OpenSelectPrinter();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, edt3), L"3");
    Close(dialog, IDCANCEL);
}

// What was chosen before stays through a cancelled dialog: neither the dialog's changes nor the
// default printer replace it.
TEST_F(PrinterDialogsWithPrinter, CancelKeepsThePrinterAndSettingsChosenBefore) {
    HWND dialog = OpenPrintSetup();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseInCombo(dialog, cmb1, kOtherQueue));
    Click(GetDlgItem(dialog, rad2)); // landscape
    Close(dialog, IDOK);

    dialog = OpenPrintSetup();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseInCombo(dialog, cmb1, kDefaultQueue));
    Click(GetDlgItem(dialog, rad1)); // portrait
    Close(dialog, IDCANCEL);

    dialog = OpenSelectPrinter();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, cmb4), kOtherQueue);
    SendMessageW(GetDlgItem(dialog, edt3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5"));
    Close(dialog, IDCANCEL);

    dialog = OpenPrintSetup();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, cmb1), kOtherQueue);
    EXPECT_TRUE(Checked(dialog, rad2)) << "landscape, as chosen before the cancelled change";
    Close(dialog, IDCANCEL);

    dialog = OpenSelectPrinter();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, edt3), L"1");
    Close(dialog, IDCANCEL);
}

TEST_F(PrinterDialogsWithPrinter, DialogKeepsEveryWindowOfTheProgramDisabledAboutBoxIncluded) {
    PostCommand(Main(), CMD_ABOUT);
    HWND about = app().WaitForWindow(L"TfrmAbout", nullptr, 5000);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(app().WaitUntilIdle());

    PostClick(ToolButton(L"Select Printer"));
    HWND dialog = app().WaitForDialog(10000, L"Print");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(Main()));
    EXPECT_FALSE(IsWindowEnabled(about));
    Close(dialog, IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(Main()));
    EXPECT_TRUE(IsWindowEnabled(about));
}

// --- the print run after a printer was chosen --------------------------------------------------------------

class PrintRunWithPrinterChosen : public HostRunTest {
protected:
    void SetUp() override {
        RequireTestPrinters();
        if (HasFatalFailure())
            return;
        started_ = true;
        HostRunTest::SetUp();
    }
    // Without a run of its own there is no server of this test to wait for: the journal may be another's.
    void TearDown() override {
        if (started_)
            HostRunTest::TearDown();
    }

    bool started_ = false;
};

TEST_F(PrintRunWithPrinterChosen, PassesNothingAboutThePrinterOrItsSettingsToTheHost) {
    PostCommand(Main(), CMD_SELPRINT);
    HWND dialog = app().WaitForDialog(10000, L"Print");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseInCombo(dialog, cmb4, kOtherQueue));
    SendMessageW(GetDlgItem(dialog, edt3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    PostCommand(Main(), CMD_PRINTSETUP);
    dialog = app().WaitForDialog(10000, L"Print Setup");
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, rad2)); // landscape
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    ASSERT_TRUE(app().WaitUntilIdle());

    AddEntries({L"C:\\Parts\\Bracket.SLDPRT"});
    PrintOneAndWaitForQuitDoc(L"c:\\parts\\bracket.sldprt", "c:\\parts\\bracket.sldprt");
    EXPECT_EQ(Calls(), RunOfOneCalls("c:\\parts\\bracket.sldprt"));
    EXPECT_EQ(session_.JournalText().find("Vantrel"), std::string::npos) << "a printer's name reached the host";
}
