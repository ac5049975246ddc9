// The start-up scan over real top-level windows under Wine: hidden windows count, and only the first
// 126 characters of a title are read.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "batch/win/host_windows.h"
#include "support/win/fixtures.h"
#include "support/win/text.h"

namespace {

class TitledWindow : public support::win::TitledWindow {
public:
    TitledWindow(const std::string& title, bool visible)
        : support::win::TitledWindow(support::win::Widen(title), visible ? WS_VISIBLE : 0, 50, 50) {}
};

bool Scan() {
    bool flag = true;
    batch::win::ScanTopLevelWindows(flag);
    return flag;
}

TEST(HostScanWinTest, NoHostWindowLeavesTheFlagFalse) {
    TitledWindow other("SOLIDWORKS viewer", false);
    EXPECT_FALSE(Scan());
}

TEST(HostScanWinTest, HiddenWindowWithTheHostNameIsFound) {
    TitledWindow host("bracket.sldprt - SolidWorks Premium 2024", false);
    ASSERT_NE(host.Handle(), nullptr);
    EXPECT_TRUE(Scan());
}

TEST(HostScanWinTest, OnlyTheFirst126CharactersOfATitleCount) {
    {
        TitledWindow within(std::string(116, 'x') + "SolidWorks", false); // ends at character 126
        EXPECT_TRUE(Scan());
    }
    {
        TitledWindow beyond(std::string(117, 'x') + "SolidWorks", false); // its last letter is the 127th
        EXPECT_FALSE(Scan());
    }
}

} // namespace
