// The print run as a user starts it, against the stand-in host out of process: the calls the host
// receives, the status line during and after the run, and the texts a failure leaves.
#include <windows.h>

#include "automation/automation.h"
#include "automation/win/com_platform.h"
#include "host_run.h"
#include "support/win/fixtures.h"
#include "support/win/text.h"

namespace gui {
namespace {

using standin::CallLine;
using support::win::Widen;

// The status line text Vantrel shows for a failed call with that status, by the platform's messages.
std::wstring SysErrorStatus(int32_t status) {
    automation::win::InstallComPlatform();
    return Widen("OLE Error:  " + automation::OleStatusMessage(status) + "(" + std::to_string(status) + ")");
}

class PrintRunGuiTest : public HostRunTest {};

TEST_F(PrintRunGuiTest, RunSendsTheChosenViewToEachDocumentAndEndsOnClosing) {
    Scenario("delay PrintDirect 1500\n");
    AddEntries({L"D:\\Zeichnungen\\RAHMEN-\u00dc.SLDDRW", L"C:\\Parts\\Bracket.SLDPRT"});
    Click(Button(L"&shaded"));
    Click(Button(L"&isometric"));
    Click(Button(L"&zoom to fit"));
    PostClick(Button(L"&Print"));
    // The step's text stands in the status line while the host works on it.
    EXPECT_EQ(WaitForStatus(L"Printing c:\\parts\\bracket.sldprt", kRunMillisecondsPerDocument),
              L"Printing c:\\parts\\bracket.sldprt");
    const std::wstring last = L"Closing d:\\zeichnungen\\rahmen-\u00fc.slddrw";
    EXPECT_EQ(WaitForStatus(last, 3 * kRunMillisecondsPerDocument), last);

    const std::string part = "8:c:\\parts\\bracket.sldprt";
    const std::string drawing = "8:d:\\zeichnungen\\rahmen-\xc3\xbc.slddrw"; // UTF-8 in the journal
    EXPECT_TRUE(WaitForCall({"app1", "QuitDoc", "1", drawing}));
    EXPECT_TRUE(app().WaitUntilIdle());
    const std::vector<CallLine> expected = {
        {"app1", "UserControl", "1", "11:-1"},
        {"app1", "Visible", "1", "11:0"},
        {"app1", "OpenDocSilent", "1", part + ";3:1;16387:0"},
        {"app1", "ActivateDoc", "1", part},
        {"doc1", "ShowNamedView", "1", "8:*Isometric"},
        {"doc1", "ViewDisplayShaded", "3", ""},
        {"doc1", "ViewZoomtofit", "3", ""},
        {"doc1", "PrintDirect", "3", ""},
        {"app1", "QuitDoc", "1", part},
        {"app1", "OpenDocSilent", "1", drawing + ";3:3;16387:0"},
        {"app1", "ActivateDoc", "1", drawing},
        {"doc2", "ViewZoomtofit", "3", ""},
        {"doc2", "PrintDirect", "3", ""},
        {"app1", "QuitDoc", "1", drawing},
    };
    EXPECT_EQ(Calls(), expected);
}

TEST_F(PrintRunGuiTest, HostExceptionEndsTheRunWithItsTextAndSignedCodeAndTheFailedEntrySelected) {
    Scenario("raise PrintDirect 1 0x80040001 Printer jammed.\\r\\n\n");
    AddEntries({L"c:\\a.sldprt", L"c:\\b.sldprt"});
    for (int i = 0; i < 30; ++i) // more than the list shows, so that the first is out of view
        AddListBoxItem(List(), L"c:\\z" + std::to_wstring(i));
    SendMessageW(List(), LB_SETTOPINDEX, 31, 0);
    SendMessageW(List(), LB_SETSEL, TRUE, 31);
    PrintAndWaitFor(L"OLE Error:  Printer jammed(-2147221503)", 1);
    EXPECT_EQ(SendMessageW(List(), LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_GT(SendMessageW(List(), LB_GETSEL, 0, 0), 0) << "the failed document's entry alone is selected";
    EXPECT_EQ(SendMessageW(List(), LB_GETTOPINDEX, 0, 0), 0) << "and scrolled into view";
    const auto calls = Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), (CallLine{"doc1", "PrintDirect", "3", ""})) << "the document is left open";
    for (const auto& call : calls)
        EXPECT_EQ(call.args.find("b.sldprt"), std::string::npos) << "the next document is not touched";
}

TEST_F(PrintRunGuiTest, FailedCallShowsThePlatformTextAndCode) {
    Scenario("fail OpenDocSilent 1 0x80004005\n");
    AddEntries({L"c:\\a.sldasm"});
    PrintAndWaitFor(SysErrorStatus(static_cast<int32_t>(0x80004005)), 1);
    EXPECT_EQ(Calls().size(), 3u) << "UserControl, Visible and the failed OpenDocSilent";
}

TEST_F(PrintRunGuiTest, HostDyingInACallEndsTheRunAndLeavesTheProgramUsable) {
    Scenario("die PrintDirect 1\n");
    AddEntries({L"c:\\a.sldprt", L"c:\\b.sldprt"});
    PrintAndWaitFor(SysErrorStatus(static_cast<int32_t>(0x800706BE)), 1);
    PostCommand(Main(), CMD_EXIT);
    EXPECT_EQ(app().WaitForExit(15000), std::optional<DWORD>(0));
}

TEST_F(PrintRunGuiTest, AListFileLineOf5000CharactersOpensAndPrintsWhole) {
    const std::string line = "C:\\" + std::string(4990, 'P') + ".SLDPRT";
    const std::string lowered = "c:\\" + std::string(4990, 'p') + ".sldprt";
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring listFile = std::wstring(folder) + L"vantrel-long-line.txt";
    const HANDLE file = CreateFileW(listFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, (line + "\r\n").data(), static_cast<DWORD>(line.size() + 2), &written, nullptr);
    CloseHandle(file);

    PostCommand(Main(), CMD_OPEN);
    HWND dialog = app().WaitForDialog(10000);
    ASSERT_NE(dialog, nullptr);
    app().WaitUntilIdle();
    ASSERT_TRUE(SetFileName(dialog, listFile));
    PressDialogButton(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 10000));
    // The dialog is gone before Open reads the file: the file stays until the list shows what was read.
    EXPECT_TRUE(WaitFor([&] { return !ListBoxItems(List()).empty(); }, 10000));
    DeleteFileW(listFile.c_str());
    ASSERT_EQ(ListBoxItems(List()), std::vector<std::wstring>{Widen(line)});

    PrintOneAndWaitForQuitDoc(Widen(lowered), lowered);
    const auto calls = Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[2], (CallLine{"app1", "OpenDocSilent", "1", "8:" + lowered + ";3:1;16387:0"}));
}

TEST_F(PrintRunGuiTest, AClickAndAKeyDuringTheRunAreDiscardedWhileADropWaitsUntilTheRunEnds) {
    Scenario("delay OpenDocSilent 1500\n");
    const support::win::ScratchFolder folder;
    const std::wstring dropped = folder.Put(L"a.sldprt"); // sorts before the listed one
    AddEntries({L"z:\\b.sldprt"});
    PostClick(Button(L"&Print"));
    ASSERT_EQ(WaitForStatus(L"Opening z:\\b.sldprt", kRunMillisecondsPerDocument), L"Opening z:\\b.sldprt");
    const auto drop = PostDrop(app(), {dropped});
    // Pressed again because nothing seems to happen: each would be a second run (or help) if it were kept.
    ASSERT_TRUE(BringToFront(Main()));
    ClickAt(Button(L"&Print"), {10, 10});
    PressKeys({VK_CONTROL, 'P'});
    PressKeys({VK_F1});
    const auto opened = [&] {
        const auto calls = Calls();
        return std::count_if(calls.begin(), calls.end(),
                             [](const CallLine& call) { return call.member == "OpenDocSilent"; });
    };
    EXPECT_TRUE(WaitForCall({"app1", "QuitDoc", "1", "8:z:\\b.sldprt"}));
    // Had the drop come in during the run, the run would go on to the entry after the first: b again.
    EXPECT_FALSE(WaitFor([&] { return opened() > 1; }, 3000));
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_TRUE(HelpCalls().empty());
    EXPECT_EQ(ListBoxItems(List()), (std::vector<std::wstring>{dropped, L"z:\\b.sldprt"}));
}

TEST_F(PrintRunGuiTest, KeepGoingGoesPastFailedDocumentsSelectsThemAndListsThemInTheSummaryBox) {
    Scenario("raise PrintDirect 1 0x80040001 Printer jammed.\\r\\n\nfail QuitDoc 3 0x80004005\n");
    AddEntries({L"c:\\a.sldprt", L"c:\\b.sldprt", L"c:\\c.sldprt"});
    Click(Button(L"&keep going"));
    PrintAndWaitFor(L"Printed 1 of 3 documents; 2 failed", 3);
    const HWND box = app().WaitForDialog(5000, kMainCaption);
    ASSERT_TRUE(box && GetWindow(box, GW_OWNER) == Main());
    EXPECT_EQ(ReadMessageBox(box).text, L"c:\\a.sldprt: OLE Error:  Printer jammed(-2147221503)\r\nc:\\c.sldprt: " +
                                            SysErrorStatus(static_cast<int32_t>(0x80004005)));
    EXPECT_EQ(SendMessageW(List(), LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(List(), LB_GETSEL, 1, 0), 0) << "the document that went through is not selected";
    PressDialogButton(box, IDOK);
}

TEST_F(PrintRunGuiTest, EscDuringAHostCallStopsTheRunOnceThatDocumentIsClosed) {
    Scenario("delay PrintDirect 1500\n");
    AddEntries({L"c:\\a.slddrw", L"c:\\b.slddrw"});
    PostClick(Button(L"&Print"));
    ASSERT_EQ(WaitForStatus(L"Printing c:\\a.slddrw", kRunMillisecondsPerDocument), L"Printing c:\\a.slddrw");
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_ESCAPE}); // a short press, over before the host answers
    ASSERT_EQ(WaitForStatus(L"Stopped after 1 of 2 documents", kRunMillisecondsPerDocument),
              L"Stopped after 1 of 2 documents");
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(Calls().back(), (CallLine{"app1", "QuitDoc", "1", "8:c:\\a.slddrw"})) << "the next is not opened";
}

// Takes the ProgID's registration away for the test and puts it back afterwards.
class UnregisteredProgId {
public:
    UnregisteredProgId() {
        wchar_t value[64] = L"";
        LONG size = sizeof value;
        saved_ = RegQueryValueW(HKEY_CLASSES_ROOT, L"SldWorks.Application\\CLSID", value, &size) == ERROR_SUCCESS;
        clsid_ = value;
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"SldWorks.Application");
    }
    ~UnregisteredProgId() {
        if (saved_) {
            RegSetValueW(HKEY_CLASSES_ROOT, L"SldWorks.Application\\CLSID", REG_SZ, clsid_.c_str(),
                         static_cast<DWORD>(clsid_.size() * sizeof(wchar_t)));
        }
    }
    UnregisteredProgId(const UnregisteredProgId&) = delete;
    UnregisteredProgId& operator=(const UnregisteredProgId&) = delete;
    bool Saved() const { return saved_; }

private:
    bool saved_ = false;
    std::wstring clsid_;
};

TEST_F(PrintRunGuiTest, ProgIdThatDoesNotResolveLeavesThePlatformTextAndCode) {
    UnregisteredProgId unregistered;
    ASSERT_TRUE(unregistered.Saved()) << "is the stand-in registered?";
    AddEntries({L"c:\\a.sldprt"});
    PrintAndWaitFor(SysErrorStatus(static_cast<int32_t>(0x800401F3)), 0);
    EXPECT_TRUE(Calls().empty());
}

} // namespace
} // namespace gui
