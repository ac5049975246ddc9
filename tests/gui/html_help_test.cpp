// Help > Contents and help from any folder: the system's hh.exe started on the compiled help beside the
// program, a further one at each use and never waited for; the system's own copies of hh.exe and
// hhctrl.ocx, never ones beside the program or in the current folder; and the program's folder passed
// whole when its name holds characters the ANSI code page lacks, or a '#'. The prefix's recording
// stand-ins (htmlhelp-standins/) journal every call with the path of the copy that answered.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vantrel_app.h"

using namespace gui;

namespace {

using Calls = std::vector<HtmlHelpJournal::Call>;

class HtmlHelpTest : public HelpTest {
protected:
    static std::wstring TempFolder(const std::wstring& name) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        return std::wstring(temp) + name + std::to_wstring(GetCurrentProcessId());
    }
};

// Planted copies of both stand-ins in the program's folder and in the folder Vantrel starts in, the
// places a bare name would be looked for first.
class HtmlHelpPlantedTest : public HtmlHelpTest {
protected:
    void SetUp() override {
        currentFolder_ = TempFolder(L"vantrel-planted-htmlhelp-");
        CreateDirectoryW(currentFolder_.c_str(), nullptr);
        const std::wstring standIns = TestProgramFolder() + L"\\htmlhelp-standins\\";
        for (const std::wstring& folder : {TestProgramFolder(), currentFolder_}) {
            for (const wchar_t* file : {L"hhctrl.ocx", L"hh.exe"}) {
                planted_.push_back(folder + L"\\" + file);
                ASSERT_TRUE(CopyFileW((standIns + file).c_str(), planted_.back().c_str(), FALSE));
            }
        }
        wchar_t saved[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, saved);
        ASSERT_TRUE(SetCurrentDirectoryW(currentFolder_.c_str()));
        HtmlHelpTest::SetUp(); // Vantrel inherits the current folder
        SetCurrentDirectoryW(saved);
    }

    void TearDown() override {
        HtmlHelpTest::TearDown();
        for (const std::wstring& file : planted_)
            DeleteFileW(file.c_str());
        RemoveDirectoryW(currentFolder_.c_str());
    }

    std::wstring currentFolder_;
    std::vector<std::wstring> planted_;
};

// A copy of Vantrel.exe in a folder named in Cyrillic, with a '#', as a user profile folder on a Western
// Windows may be named: outside the ANSI code page, so only the UTF-16 calls can name it.
class HtmlHelpForeignFolderTest : public HtmlHelpTest {
protected:
    void SetUp() override {
        folder_ = TempFolder(L"\u0418\u0432\u0430\u043d #");
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        ASSERT_TRUE(CopyFileW(VantrelPath().c_str(), ExePath().c_str(), FALSE));
        HtmlHelpTest::SetUp();
    }

    void TearDown() override {
        HtmlHelpTest::TearDown();
        DeleteFileW(ExePath().c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring ExePath() const override { return folder_ + L"\\Vantrel.exe"; }

    std::wstring folder_;
};

} // namespace

// Help > Contents needs no hhctrl.ocx, and a program end that follows it has no help window to close.
TEST_F(HtmlHelpTest, ContentsChosenTwiceStartsTwoViewersWithoutWaitingForThemAndExitClosesNothing) {
    PostCommand(Main(), CMD_CONTENTS);
    PostCommand(Main(), CMD_CONTENTS);
    ASSERT_TRUE(HelpJournal().WaitForCalls(2));
    // Both viewers still run (they stay until the journal goes): the window answers all the same.
    EXPECT_TRUE(app().WaitUntilIdle(2000));
    EXPECT_EQ(Status(), L"Welcome to Vantrel");
    PostCommand(Main(), CMD_EXIT);
    EXPECT_EQ(app().WaitForExit(10000), std::optional<DWORD>(0));
    const HtmlHelpJournal::Call started = HtmlHelpJournal::StartViewer(HelpFile());
    EXPECT_EQ(HelpCalls(), (Calls{started, started}));
}

TEST_F(HtmlHelpPlantedTest, F1AndContentsUseTheSystemsCopiesNotOnesBesideTheProgramOrInTheCurrentFolder) {
    F1OnShaded();
    ASSERT_TRUE(HelpJournal().WaitForCalls(1));
    PostCommand(Main(), CMD_CONTENTS);
    ASSERT_TRUE(HelpJournal().WaitForCalls(2));
    EXPECT_EQ(HelpCalls(), (Calls{HelpTopicShown(L"shaded.html"), HtmlHelpJournal::StartViewer(HelpFile())}));
}

TEST_F(HtmlHelpForeignFolderTest, F1ContentsAndTheCloseNameTheHelpFileInAFolderOutsideTheAnsiCodePage) {
    F1OnShaded();
    ASSERT_TRUE(HelpJournal().WaitForCalls(1));
    PostCommand(Main(), CMD_CONTENTS);
    ASSERT_TRUE(HelpJournal().WaitForCalls(2));
    PostCommand(Main(), CMD_EXIT);
    EXPECT_EQ(app().WaitForExit(10000), std::optional<DWORD>(0));
    EXPECT_EQ(HelpCalls(), (Calls{HelpTopicShown(L"shaded.html"), HtmlHelpJournal::StartViewer(HelpFile()),
                                  HtmlHelpJournal::CloseAll()}));
}
