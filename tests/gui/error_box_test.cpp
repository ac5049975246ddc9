// The error box as a user meets it: a command fails, the box names the failure with the application
// title as its caption, keeps every window of the program disabled until OK, and the program goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "base/win/owners.h"
#include "vantrel_app.h"

using namespace gui;

namespace {

// A list file that another program holds open for writing, so that Open can't read it.
class LockedListFile {
public:
    LockedListFile() {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        wchar_t longFolder[MAX_PATH] = {};
        GetLongPathNameW(folder, longFolder, MAX_PATH);
        path_ = std::wstring(longFolder) + L"vantrel-locked-list.txt";
        file_.Reset(CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        WriteFile(file_.Get(), "c:\\parts\\a.sldprt\r\n", 19, &written, nullptr);
    }
    ~LockedListFile() {
        file_.Reset();
        DeleteFileW(path_.c_str());
    }
    LockedListFile(const LockedListFile&) = delete;
    LockedListFile& operator=(const LockedListFile&) = delete;

    const std::wstring& Path() const { return path_; }
    bool IsOpen() const { return static_cast<bool>(file_); }

private:
    std::wstring path_;
    base::win::KernelHandle file_;
};

} // namespace

TEST_F(VantrelTest, FailedOpenShowsTheErrorBoxWithTheTitleAndAFullStopAndTheProgramGoesOn) {
    LockedListFile locked;
    ASSERT_TRUE(locked.IsOpen());
    PostCommand(Main(), CMD_OPEN);
    HWND dialog = app().WaitForDialog(5000, L"Open");
    ASSERT_NE(dialog, nullptr) << "Open shows no dialog";
    ASSERT_TRUE(SetFileName(dialog, locked.Path()));
    PressDialogButton(dialog, IDOK);

    HWND box = app().WaitForDialog(5000, L"Vantrel v2.2");
    ASSERT_NE(box, nullptr) << "no error box";
    const MessageBoxContent content = ReadMessageBox(box);
    EXPECT_EQ(content.text, L"Cannot open file " + locked.Path() + L".");
    EXPECT_EQ(content.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(content.hasStopIcon);
    // Every window of the program is disabled while the box is up, the box itself excepted.
    for (HWND window : app().TopLevelWindows()) {
        if (window != box && IsWindowVisible(window)) {
            EXPECT_FALSE(IsWindowEnabled(window)) << ClassName(window) << " " << WindowText(window);
        }
    }

    PressDialogButton(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
    ASSERT_TRUE(app().WaitUntilIdle());
    EXPECT_TRUE(IsWindowEnabled(Main()));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == Main(); }, 2000));
    EXPECT_TRUE(app().IsRunning());
    EXPECT_TRUE(ListBoxItems(List()).empty());
}

// A main window that can't be built (a test build of Vantrel in which one of its controls can't be
// created): the main routine shows the error box, captioned with the title of start-up, with no window
// of the failed build left to own it, and the program ends after OK.
TEST(StartUpErrorBoxTest, ControlThatCantBeCreatedShowsItsErrorAndTheProgramEndsAfterOk) {
    App app = App::Launch(TestProgramFolder() + L"\\VantrelFailingControl.exe", L"Vantrel v2.0");
    HWND box = app.MainWindow();
    ASSERT_EQ(ClassName(box), L"#32770");
    const MessageBoxContent content = ReadMessageBox(box);
    EXPECT_EQ(content.text, L"Cannot create the control Part/Assembly.");
    EXPECT_EQ(content.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(content.hasStopIcon);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    for (HWND window : app.TopLevelWindows())
        EXPECT_NE(ClassName(window), L"TfrmVantrel");

    PressDialogButton(box, IDOK);
    EXPECT_EQ(app.WaitForExit(10000), std::optional<DWORD>(0));
}
