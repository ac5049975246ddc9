// A DLL dropped beside Vantrel.exe never runs in it. Windows looks in the program's folder first for a DLL
// that its KnownDLLs list doesn't protect; Wine loads its own copy unless told to look there first
// ("native, builtin"), so the copy of the program here is started so, for every name planted beside it.
// The planted DLL (planted_dll.cpp) leaves a marker beside itself when it runs. Needs a printer, so that
// the printer dialogs open and the spooler is loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

// The copy's own name, so that its Wine settings are its alone.
constexpr wchar_t kExeName[] = L"VantrelPlanted.exe";
// Wine's load order for one program. (A WINEDLLOVERRIDES set here would not reach the program: Wine
// starts a child with the environment this test program was started with.)
constexpr wchar_t kLoadOrderKey[] = L"Software\\Wine\\AppDefaults\\VantrelPlanted.exe\\DllOverrides";

class PlantedDllWithPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"vantrel-planted-dlls-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        ASSERT_TRUE(CopyFileW(VantrelPath().c_str(), Exe().c_str(), FALSE));
        const std::wstring planted = TestProgramFolder() + L"\\planted_dll.dll";
        HKEY loadOrder = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kLoadOrderKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &loadOrder,
                                  nullptr),
                  ERROR_SUCCESS);
        for (const wchar_t* name : kPlantedNames) {
            ASSERT_TRUE(CopyFileW(planted.c_str(), InFolder(name).c_str(), FALSE)) << name;
            // Wine names a module without ".dll", and any other extension in full.
            std::wstring module(name);
            if (module.size() > 4 && module.compare(module.size() - 4, 4, L".dll") == 0)
                module.resize(module.size() - 4);
            constexpr wchar_t kNativeFirst[] = L"native,builtin";
            RegSetValueExW(loadOrder, module.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kNativeFirst),
                           sizeof kNativeFirst);
        }
        RegCloseKey(loadOrder);
    }

    void TearDown() override {
        RegDeleteKeyW(HKEY_CURRENT_USER, kLoadOrderKey);
        for (const wchar_t* name : kPlantedNames) {
            DeleteFileW(InFolder(name).c_str());
            DeleteFileW(Marker(name).c_str());
        }
        DeleteFileW(Exe().c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring InFolder(const std::wstring& name) const { return folder_ + L"\\" + name; }
    std::wstring Exe() const { return InFolder(kExeName); }
    std::wstring Marker(const std::wstring& name) const { return InFolder(name + L".ran"); }

    std::wstring folder_;
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
    OpenAndCancel(app, IDM_OPEN, L"Open");
    OpenAndCancel(app, IDM_SELPRINT, L"Print");
    OpenAndCancel(app, IDM_PRINTSETUP, L"Print Setup");
    PostCommand(app.MainWindow(), IDM_ABOUT);
    ASSERT_NE(app.WaitForWindow(L"TfrmAbout", nullptr, 5000), nullptr);
    PostCommand(app.MainWindow(), IDM_EXIT);
    ASSERT_EQ(app.WaitForExit(10000), std::optional<DWORD>(0));
}

} // namespace

TEST_F(PlantedDllWithPrinterTest, NoneRunsWhileTheProgramStartsShowsItsDialogsAndItsAboutBox) {
    StartAndOpenEveryDialog(Exe());
    for (const wchar_t* name : kPlantedNames)
        EXPECT_EQ(GetFileAttributesW(Marker(name).c_str()), INVALID_FILE_ATTRIBUTES)
            << "the planted " << name << " ran";
}
