// The run's progress on the taskbar button, against a recording stand-in for the shell's taskbar object
// (taskbar-standin/), which each test registers for the object's class in the prefix and takes out again.
#include <windows.h>

#include <fstream>

#include "host_run.h"
#include "support/win/registry_value.h"

namespace gui {
namespace {

using Lines = std::vector<std::string>;

constexpr wchar_t kTaskbarServerKey[] = L"CLSID\\{56FDF344-FD6D-11d0-958A-006097C9A090}\\InprocServer32";

class TaskbarGuiTest : public HostRunTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(planted_.HadValue()) << "the prefix has no taskbar object to stand in for";
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        journal_ = std::string(temp) + "vantrel-taskbar-" + std::to_string(GetCurrentProcessId()) + ".log";
        DeleteFileA(journal_.c_str());
        SetEnvironmentVariableA("VANTREL_TASKBAR_JOURNAL", journal_.c_str()); // Vantrel inherits it
        HostRunTest::SetUp();
        // Wine keeps no taskbar buttons and never says one was created: the test says it, as the shell would.
        PostMessageW(Main(), RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
    }
    void TearDown() override {
        HostRunTest::TearDown();
        SetEnvironmentVariableW(L"VANTREL_TASKBAR_JOURNAL", nullptr);
        SetEnvironmentVariableW(L"VANTREL_TASKBAR_REFUSE", nullptr);
        DeleteFileA(journal_.c_str());
    }

    // The journal's lines without the stand-in's path: "<call>|<window class>|<arguments>".
    Lines TaskbarCalls() const {
        Lines calls;
        std::ifstream journal(journal_);
        for (std::string line; std::getline(journal, line);)
            calls.push_back(line.substr(line.find('|') + 1, line.find_last_not_of('\r') - line.find('|')));
        return calls;
    }

    // Gives the taskbar object's class to the stand-in while the test lives, then the prefix's own server back.
    support::win::RegistryValueOverride planted_{HKEY_CLASSES_ROOT, kTaskbarServerKey, L"",
                                                 TestProgramFolder() + L"\\taskbar-standin\\taskbar-standin.dll"};
    std::string journal_;
};

const Lines kCreated = {"GetClassObject||", "HrInit||"};
const std::string kState = "SetProgressState|TfrmVantrel|";

Lines With(Lines lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

TEST_F(TaskbarGuiTest, RunShowsItsProgressAndClearsTheButtonWithoutFlashingWhileInFront) {
    AddEntries({L"c:\\a.slddrw", L"c:\\b.slddrw", L"c:\\c.slddrw"});
    ASSERT_TRUE(BringToFront(Main()));
    PrintAndWaitFor(L"Closing c:\\c.slddrw", 3);
    ASSERT_TRUE(WaitFor([&] { return TaskbarCalls().size() >= 6; }, kRunMillisecondsPerDocument));
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(TaskbarCalls(), With(kCreated, {kState + "1", "SetProgressValue|TfrmVantrel|1/3",
                                              "SetProgressValue|TfrmVantrel|2/3", kState + "0"}));
}

TEST_F(TaskbarGuiTest, FailedRunTurnsTheButtonRedAndFlashesItWhileTheUserIsAway) {
    Scenario("raise PrintDirect 2 0x80040001 Printer jammed.\\r\\n\n");
    AddEntries({L"c:\\a.slddrw", L"c:\\b.slddrw"});
    PostClick(Button(L"&Print"));
    base::win::WindowHandle away(CreateWindowExW(0, L"Static", L"elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                                 200, 100, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(BringToFront(away.Get()));
    EXPECT_EQ(WaitForStatus(L"OLE Error:  Printer jammed(-2147221503)", 3 * kRunMillisecondsPerDocument),
              L"OLE Error:  Printer jammed(-2147221503)");
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(TaskbarCalls(), With(kCreated, {kState + "1", "SetProgressValue|TfrmVantrel|1/2", kState + "4",
                                              "FlashWindowEx|TfrmVantrel|15"}));
}

TEST_F(TaskbarGuiTest, RunEndingWhileTheAboutBoxIsInFrontDoesNotFlash) {
    AddEntries({L"c:\\a.slddrw"});
    PostCommand(Main(), CMD_ABOUT);
    HWND about = app().WaitForWindow(L"TfrmAbout", nullptr, 5000);
    ASSERT_TRUE(about && BringToFront(about));
    PostCommand(Main(), CMD_PRINT);
    ASSERT_TRUE(WaitFor([&] { return TaskbarCalls().size() >= 4; }, 2 * kRunMillisecondsPerDocument));
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(TaskbarCalls(), With(kCreated, {kState + "1", kState + "0"}));
}

// A taskbar object that can't be made, can't start, or refuses every call.
struct Refusal {
    const char* mode;
    Lines journal;
};

class RefusingTaskbarGuiTest : public TaskbarGuiTest, public ::testing::WithParamInterface<Refusal> {
protected:
    void SetUp() override {
        SetEnvironmentVariableA("VANTREL_TASKBAR_REFUSE", GetParam().mode);
        TaskbarGuiTest::SetUp();
    }
};

TEST_P(RefusingTaskbarGuiTest, LeavesTheRunsCallsAndStatusLineAsTheyAreWithoutIt) {
    AddEntries({L"c:\\a.sldprt"});
    PrintOneAndWaitForQuitDoc(L"c:\\a.sldprt", "c:\\a.sldprt");
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(Status(), L"Closing c:\\a.sldprt");
    EXPECT_EQ(Calls(), RunOfOneCalls("c:\\a.sldprt"));
    EXPECT_EQ(TaskbarCalls(), GetParam().journal) << "the refusals were met";
}

INSTANTIATE_TEST_SUITE_P(Modes, RefusingTaskbarGuiTest,
                         ::testing::Values(Refusal{"create", {"GetClassObject||"}}, Refusal{"init", kCreated},
                                           Refusal{"calls", With(kCreated, {kState + "1", kState + "0"})}),
                         [](const auto& info) { return std::string(info.param.mode); });

} // namespace
} // namespace gui
