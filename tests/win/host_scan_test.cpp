// The start-up scan over real top-level windows under Wine: hidden windows count, and only the first
// 126 characters of a title are read.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "host/win/top_level_windows.h"

namespace {

// A top-level window of a private class, destroyed with the test.
class TitledWindow {
public:
    TitledWindow(const std::string& title, bool visible) {
        static const ATOM atom = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "VantrelScanTestWindow";
            return RegisterClassA(&wc);
        }();
        (void)atom;
        handle_ = CreateWindowExA(0, "VantrelScanTestWindow", title.c_str(), visible ? WS_VISIBLE : 0, 0, 0, 50, 50,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~TitledWindow() { DestroyWindow(handle_); }
    TitledWindow(const TitledWindow&) = delete;
    TitledWindow& operator=(const TitledWindow&) = delete;
    HWND Handle() const { return handle_; }

private:
    HWND handle_;
};

bool Scan() {
    bool flag = true;
    host::win::ScanTopLevelWindows(flag);
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
