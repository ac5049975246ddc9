// Every way of closing the main window ends the program the same way: FormClose, then the quit request,
// the windows destroyed, the help windows closed, exit code 0, and no question asked on the way.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "vantrel_app.h"

using namespace gui;

namespace {

struct CloseRoute {
    const char* name;
    std::function<void(VantrelTest&, HWND main)> close;
};

// The point of the title bar where the close button answers.
POINT CloseButtonPoint(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    for (int y = frame.top; y < frame.top + 40; ++y) {
        for (int x = frame.right - 1; x > frame.right - 80; --x) {
            if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                return POINT{x - 4, y + 4}; // inside the button, off its edge
        }
    }
    return POINT{-1, -1};
}

class CloseTest : public HelpTest, public ::testing::WithParamInterface<CloseRoute> {};

} // namespace

TEST_P(CloseTest, EndsTheProgramWithCodeZeroAfterClosingTheHelpWindows) {
    F1OnShaded(); // a topic shown first, so that there are help windows to close
    ASSERT_TRUE(HelpJournal().WaitForCalls(1));
    GetParam().close(*this, Main());
    EXPECT_EQ(app().WaitForExit(10000), std::optional<DWORD>(0));
    EXPECT_FALSE(IsWindow(Main()));
    // Nothing was asked on the way out, and HTML Help was told once to close its windows.
    EXPECT_EQ(HelpCalls(),
              (std::vector<HtmlHelpJournal::Call>{HelpTopicShown(L"shaded.html"), HtmlHelpJournal::CloseAll()}));
}

INSTANTIATE_TEST_SUITE_P(Routes, CloseTest,
                         ::testing::Values(CloseRoute{"FileExit",
                                                      [](VantrelTest&, HWND main) { PostCommand(main, CMD_EXIT); }},
                                           CloseRoute{"ExitToolButton",
                                                      [](VantrelTest&, HWND main) {
                                                          PostClick(FindChild(main, kToolButtonClass, L"Exit"));
                                                      }},
                                           CloseRoute{"TitleBarCloseButton",
                                                      [](VantrelTest&, HWND main) {
                                                          ASSERT_TRUE(BringToFront(main));
                                                          POINT point = CloseButtonPoint(main);
                                                          ASSERT_GE(point.x, 0) << "no close button in the title bar";
                                                          ScreenToClient(main, &point);
                                                          ClickAt(main, point);
                                                      }},
                                           CloseRoute{"AltF4",
                                                      [](VantrelTest&, HWND main) {
                                                          ASSERT_TRUE(BringToFront(main));
                                                          PressKeys({VK_MENU, VK_F4});
                                                      }}),
                         [](const ::testing::TestParamInfo<CloseRoute>& info) { return std::string(info.param.name); });
