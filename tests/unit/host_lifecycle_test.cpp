#include <gtest/gtest.h>

#include "fake_automation.h"
#include "host/host_exit.h"
#include "host/host_window_scan.h"

using namespace automation;
using fakes::FakeObject;

namespace {

class ListedWindows : public host::WindowTitles {
public:
    explicit ListedWindows(std::vector<std::string> titles) : titles_(std::move(titles)) {}
    void Enumerate(const std::function<bool(std::string_view)>& visit) override {
        for (const auto& t : titles_) {
            ++visited;
            if (!visit(t))
                return;
        }
    }
    int visited = 0;

private:
    std::vector<std::string> titles_;
};

TEST(HostScanTest, TitleRuleIsAnExactCaseSensitiveSubstring) {
    EXPECT_TRUE(host::TitleNamesHost("bracket.sldprt - SolidWorks Premium 2024"));
    EXPECT_TRUE(host::TitleNamesHost("SolidWorks"));
    EXPECT_TRUE(host::TitleNamesHost("Viewer - SolidWorks"));
    EXPECT_FALSE(host::TitleNamesHost("SOLIDWORKS 2024"));
    EXPECT_FALSE(host::TitleNamesHost("Solidworks"));
    EXPECT_FALSE(host::TitleNamesHost("SolidWork"));
    EXPECT_FALSE(host::TitleNamesHost(""));
}

TEST(HostScanTest, ScanStopsAtTheFirstMatchAndEndsFalseWithoutOne) {
    bool flag = true;
    ListedWindows none(std::vector<std::string>(500, "Program Manager"));
    host::ScanForHostWindow(none, flag);
    EXPECT_FALSE(flag) << "every step writes the flag, so it must end false after non-matching windows";
    EXPECT_EQ(none.visited, 500);

    ListedWindows some({"", "Vantrel v2.2", "a.sldasm - SolidWorks 2024", "SolidWorks again", "after"});
    host::ScanForHostWindow(some, flag);
    EXPECT_TRUE(flag);
    EXPECT_EQ(some.visited, 3) << "the windows after the first match are not looked at";

    ListedWindows empty({});
    host::ScanForHostWindow(empty, flag);
    EXPECT_FALSE(flag) << "the flag is cleared before the scan";
}

struct HostExitTest : ::testing::Test {
    std::shared_ptr<fakes::CallLog> log = std::make_shared<fakes::CallLog>();
    FakeObject app{"app", log};
    std::vector<std::string> statuses;
    std::function<void(const std::string&)> setStatus = [this](const std::string& s) { statuses.push_back(s); };
};

TEST_F(HostExitTest, HostRunningAtStartUpIsNeverTouched) {
    Variant hostApp(ObjectPtr::Share(&app));
    host::ExitHostAtClose(true, hostApp, setStatus);
    EXPECT_TRUE(log->lookups.empty());
    EXPECT_TRUE(statuses.empty());
}

TEST_F(HostExitTest, HostReachedByARunGetsOneExitAppWithoutArguments) {
    Variant hostApp(ObjectPtr::Share(&app));
    host::ExitHostAtClose(false, hostApp, setStatus);
    EXPECT_EQ(log->timeline, std::vector<std::string>{"app.ExitApp()"});
    EXPECT_EQ(log->calls.at(0).kind, 3);
    EXPECT_TRUE(statuses.empty());
    EXPECT_EQ(app.Refs(), 1) << "the reference stays until the window is destroyed";
}

TEST_F(HostExitTest, NoRunOrOnlyFailedRunsShowTheEmptyReferenceText) {
    host::ExitHostAtClose(false, Variant(), setStatus);
    EXPECT_EQ(statuses, std::vector<std::string>{"OLE Error:  Variant does not reference an automation object"});
}

TEST_F(HostExitTest, LostHostShowsTheSystemErrorText) {
    app.FailLookups(Hr(0x800706BA));
    host::ExitHostAtClose(false, Variant(ObjectPtr::Share(&app)), setStatus);
    EXPECT_EQ(statuses, std::vector<std::string>{"OLE Error:  OLE error 800706BA(-2147023174)"});
}

TEST_F(HostExitTest, HostExceptionAndUnknownMemberAreShownToo) {
    app.Raise("ExitApp", Hr(0x80040005), "Busy.");
    host::ExitHostAtClose(false, Variant(ObjectPtr::Share(&app)), setStatus);
    app.Refuse("ExitApp");
    host::ExitHostAtClose(false, Variant(ObjectPtr::Share(&app)), setStatus);
    EXPECT_EQ(statuses, (std::vector<std::string>{"OLE Error:  Busy(-2147221499)",
                                                  "OLE Error:  Method 'ExitApp' not supported by automation object"}));
}

} // namespace
