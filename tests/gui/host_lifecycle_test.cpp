// The host's end at close, against the stand-in host: a host that a run reached is told to exit once,
// a host that was running at start-up is left alone, and a host that has gone doesn't hold up the close.
#include <windows.h>

#include <algorithm>

#include "host_run.h"
#include "support/win/fixtures.h"

namespace gui {
namespace {

using standin::CallLine;
using standin::JournalEntry;

class HostLifecycleGuiTest : public HostRunTest {
protected:
    void RunOneDocument() {
        AddEntries({L"c:\\parts\\bracket.sldprt"});
        PrintOneAndWaitForQuitDoc(L"c:\\parts\\bracket.sldprt", "c:\\parts\\bracket.sldprt");
    }

    void ExitAndExpectCodeZero(DWORD timeoutMilliseconds = 15000) {
        PostCommand(Main(), CMD_EXIT);
        EXPECT_EQ(app().WaitForExit(timeoutMilliseconds), std::optional<DWORD>(0));
    }

    size_t ExitAppCalls() const {
        const auto calls = Calls();
        return static_cast<size_t>(
            std::count_if(calls.begin(), calls.end(), [](const CallLine& c) { return c.member == "ExitApp"; }));
    }
};

// The index of the last journal line in which object's count went down to zero.
size_t LastReleaseToZero(const std::vector<JournalEntry>& journal, const std::string& object) {
    size_t found = journal.size();
    for (size_t i = 0; i < journal.size(); ++i) {
        if (journal[i].object == object && journal[i].event == "release" && journal[i].args == "0")
            found = i;
    }
    return found;
}

TEST_F(HostLifecycleGuiTest, ExitAfterARunSendsOneExitAppAndGivesEveryReferenceBack) {
    RunOneDocument();
    ExitAndExpectCodeZero();
    const auto exit = session_.WaitForServerExit();
    ASSERT_TRUE(exit);
    EXPECT_EQ(exit->args, "live=0");
    const auto calls = Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), (CallLine{"app1", "ExitApp", "3", ""}));
    EXPECT_EQ(ExitAppCalls(), 1u);

    const auto journal = session_.Journal();
    for (const auto& [object, count] : standin::StandinSession::LastReferenceCounts(journal))
        EXPECT_EQ(count, 0u) << object << " was not given back";
    const size_t doc = LastReleaseToZero(journal, "doc1"), app = LastReleaseToZero(journal, "app1");
    ASSERT_LT(doc, journal.size());
    ASSERT_LT(app, journal.size());
    EXPECT_LT(doc, app) << "the document's reference goes before the application's";
}

TEST_F(HostLifecycleGuiTest, HostThatHasGoneDoesNotHoldUpTheClose) {
    RunOneDocument();
    ASSERT_TRUE(session_.KillServer());
    const DWORD start = GetTickCount();
    ExitAndExpectCodeZero(10000);
    EXPECT_LT(GetTickCount() - start, 10000u);
    EXPECT_EQ(ExitAppCalls(), 0u);
}

// A top-level window titled like the host's, made by the test.
class HostLikeWindow : public support::win::TitledWindow {
public:
    explicit HostLikeWindow(bool visible)
        : TitledWindow(L"bracket.sldprt - SolidWorks Premium 2024", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                       300, 200) {}
};

class HostWindowAtStartUpTest : public HostLifecycleGuiTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        window_ = std::make_unique<HostLikeWindow>(GetParam());
        ASSERT_NE(window_->Handle(), nullptr);
        HostLifecycleGuiTest::SetUp();
    }
    void TearDown() override {
        HostLifecycleGuiTest::TearDown();
        window_.reset();
    }
    std::unique_ptr<HostLikeWindow> window_;
};

// The run then takes the host for the user's and shows it again as it ends, before the close can come.
const CallLine kShownAgain{"app1", "Visible", "1", "11:-1"};

TEST_P(HostWindowAtStartUpTest, MeansNoHostCallAtCloseWhateverRanInBetween) {
    RunOneDocument();
    ExitAndExpectCodeZero();
    const auto exit = session_.WaitForServerExit();
    ASSERT_TRUE(exit);
    EXPECT_EQ(exit->args, "live=0") << "the references are still given back";
    EXPECT_EQ(ExitAppCalls(), 0u);
    EXPECT_EQ(Calls().back(), kShownAgain);
}

INSTANTIATE_TEST_SUITE_P(HiddenOrVisible, HostWindowAtStartUpTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Visible" : "Hidden"; });

TEST_F(HostLifecycleGuiTest, AHostWindowMadeAfterStartUpButBeforeTheRunMeansNoExitAppAtCloseEither) {
    ASSERT_TRUE(app().WaitUntilIdle()); // the start-up scan is over
    const HostLikeWindow window(false);
    RunOneDocument();
    ExitAndExpectCodeZero();
    EXPECT_EQ(ExitAppCalls(), 0u);
    EXPECT_EQ(Calls().back(), kShownAgain);
}

} // namespace
} // namespace gui
