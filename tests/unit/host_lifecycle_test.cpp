#include <gtest/gtest.h>

#include "fake_automation.h"
#include "batch/host_lifecycle.h"

using namespace automation;
using batch::HostOwner;
using fakes::FakeObject;

namespace {

// The start-up scan's steps over titles in the platform's order, as the enumeration takes them: on
// while a step says so. Returns how many titles were looked at.
int Scan(const std::vector<std::string>& titles, bool& flag) {
    int visited = 0;
    for (const std::string& title : titles) {
        ++visited;
        if (!batch::FindHostWindowStep(title, flag))
            break;
    }
    return visited;
}

TEST(HostScanTest, TitleRuleIsAnExactCaseSensitiveSubstring) {
    EXPECT_TRUE(batch::TitleNamesHost("bracket.sldprt - SolidWorks Premium 2024"));
    EXPECT_TRUE(batch::TitleNamesHost("SolidWorks"));
    EXPECT_TRUE(batch::TitleNamesHost("Viewer - SolidWorks"));
    EXPECT_FALSE(batch::TitleNamesHost("SOLIDWORKS 2024"));
    EXPECT_FALSE(batch::TitleNamesHost("Solidworks"));
    EXPECT_FALSE(batch::TitleNamesHost("SolidWork"));
    EXPECT_FALSE(batch::TitleNamesHost(""));
}

TEST(HostScanTest, ScanStopsAtTheFirstMatchAndEndsFalseWithoutOne) {
    bool flag = true;
    EXPECT_EQ(Scan(std::vector<std::string>(500, "Program Manager"), flag), 500);
    EXPECT_FALSE(flag) << "every step writes the flag, so it must end false after non-matching windows";

    EXPECT_EQ(Scan({"", "Vantrel v2.2", "a.sldasm - SolidWorks 2024", "SolidWorks again", "after"}, flag), 3)
        << "the windows after the first match are not looked at";
    EXPECT_TRUE(flag);
}

struct HostExitTest : ::testing::Test {
    std::shared_ptr<fakes::CallLog> log = std::make_shared<fakes::CallLog>();
    FakeObject app{"app", log};
    struct : batch::StatusLine {
        std::vector<std::string> texts;
        void SetStatus(const std::string& text) override { texts.push_back(text); }
    } setStatus;
    std::vector<std::string>& statuses = setStatus.texts;
};

TEST_F(HostExitTest, NoHostIsToldToExitWhenOneRanAtStartUpOrTheHostIsTheUsers) {
    Variant hostApp(ObjectPtr::Share(&app));
    batch::ExitHostAtClose(false, hostApp, HostOwner::User, setStatus);
    batch::ExitHostAtClose(true, hostApp, HostOwner::User, setStatus);
    batch::ExitHostAtClose(true, Variant(), HostOwner::Vantrel, setStatus);
    EXPECT_TRUE(log->lookups.empty());
    app.Fail("Visible", Hr(0x800706BA));
    batch::ExitHostAtClose(true, hostApp, HostOwner::Vantrel, setStatus);
    EXPECT_EQ(log->timeline, std::vector<std::string>{"app.Visible(11:-1)"})
        << "the program's own host, started after the one of start-up had gone, is shown rather than left hidden";
    EXPECT_TRUE(statuses.empty());
}

TEST_F(HostExitTest, HostReachedByARunGetsOneExitAppWithoutArguments) {
    Variant hostApp(ObjectPtr::Share(&app));
    batch::ExitHostAtClose(false, hostApp, HostOwner::Vantrel, setStatus);
    EXPECT_EQ(log->timeline, std::vector<std::string>{"app.ExitApp()"});
    EXPECT_EQ(log->calls.at(0).kind, 3);
    EXPECT_TRUE(statuses.empty());
    EXPECT_EQ(app.Refs(), 1) << "the reference stays until the window is destroyed";
}

TEST_F(HostExitTest, NoRunOrOnlyFailedRunsShowTheEmptyReferenceText) {
    batch::ExitHostAtClose(false, Variant(), HostOwner::Vantrel, setStatus);
    EXPECT_EQ(statuses, std::vector<std::string>{"OLE Error:  Variant does not reference an automation object"});
}

TEST_F(HostExitTest, LostHostShowsTheSystemErrorText) {
    app.FailLookups(Hr(0x800706BA));
    batch::ExitHostAtClose(false, Variant(ObjectPtr::Share(&app)), HostOwner::Vantrel, setStatus);
    EXPECT_EQ(statuses, std::vector<std::string>{"OLE Error:  OLE error 800706BA(-2147023174)"});
}

TEST_F(HostExitTest, HostExceptionAndUnknownMemberAreShownToo) {
    app.Raise("ExitApp", Hr(0x80040005), "Busy.");
    batch::ExitHostAtClose(false, Variant(ObjectPtr::Share(&app)), HostOwner::Vantrel, setStatus);
    app.Refuse("ExitApp");
    batch::ExitHostAtClose(false, Variant(ObjectPtr::Share(&app)), HostOwner::Vantrel, setStatus);
    EXPECT_EQ(statuses, (std::vector<std::string>{"OLE Error:  Busy(-2147221499)",
                                                  "OLE Error:  Method 'ExitApp' not supported by automation object"}));
}

} // namespace
