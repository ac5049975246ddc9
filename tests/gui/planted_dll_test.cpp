// A DLL dropped beside Vantrel.exe never runs in it (support/win/planted.h). Needs a printer, so that the
// printer dialogs open and the spooler is loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include "support/win/planted.h"
#include "vantrel_app.h"

using namespace gui;

namespace {

// What Vantrel loads itself (the common controls, the common dialogs, the spooler) and what the system
// loads for it once it runs (visual styles; the printer dialogs' spooler parts), none of them a known DLL
// on Windows 10 and 11 but comdlg32. Left out: what Wine's own system DLLs load while the program's
// imports are resolved, before any code of it runs (version.dll, zlib1.dll), or delay-load without a
// search path (msimg32.dll): Windows loads none of these for Vantrel.
const wchar_t* const kPlantedNames[] = {L"comctl32.dll", L"comdlg32.dll", L"winspool.drv", L"uxtheme.dll",
                                        L"compstui.dll", L"spoolss.dll",  L"localspl.dll"};

class PlantedDllWithPrinterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.Ready()); }

    support::win::PlantedFolder folder_{VantrelPath(),
                                        L"VantrelPlanted.exe",
                                        TestProgramFolder() + L"\\planted_dll.dll",
                                        {std::begin(kPlantedNames), std::end(kPlantedNames)}};
};

// Chooses a menu item that opens a dialog with that caption, and cancels it.
void OpenAndCancel(const App& app, int command, const wchar_t* caption) {
    PostCommand(app.MainWindow(), command);
    HWND dialog = app.WaitForDialog(10000, caption);
    ASSERT_NE(dialog, nullptr) << "no dialog " << caption;
    PressDialogButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
}

// Starts the program, opens and cancels the file and printer dialogs, shows the About box and exits.
void StartAndOpenEveryDialog(const std::wstring& exe) {
    App app = App::Launch(exe, kMainCaption);
    OpenAndCancel(app, CMD_OPEN, L"Open");
    OpenAndCancel(app, CMD_SELPRINT, L"Print");
    OpenAndCancel(app, CMD_PRINTSETUP, L"Print Setup");
    PostCommand(app.MainWindow(), CMD_ABOUT);
    ASSERT_NE(app.WaitForWindow(L"TfrmAbout", nullptr, 5000), nullptr);
    PostCommand(app.MainWindow(), CMD_EXIT);
    ASSERT_EQ(app.WaitForExit(10000), std::optional<DWORD>(0));
}

} // namespace

TEST_F(PlantedDllWithPrinterTest, NoneRunsWhileTheProgramStartsShowsItsDialogsAndItsAboutBox) {
    StartAndOpenEveryDialog(folder_.Exe());
    for (const wchar_t* name : kPlantedNames)
        EXPECT_FALSE(folder_.Ran(name)) << "the planted " << name << " ran";
}
