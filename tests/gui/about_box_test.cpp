// The About box as a user meets it at 96 dpi: one box for the whole run, shown beside the main window
// without blocking it, hidden (never destroyed) by OK, Enter, Esc and its close button.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/win/owners.h"
#include "support/win/rects.h"
#include "vantrel_app.h"

using namespace gui;
using support::win::At;
using support::win::Describe;
using support::win::SameRect;

namespace {

constexpr wchar_t kAboutClass[] = L"TfrmAbout";
constexpr wchar_t kProductName[] = L"Product Name:   Vantrel v2.2";

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

class AboutBoxTest : public VantrelTest {
protected:
    // The program's About boxes, shown or hidden.
    std::vector<HWND> AboutBoxes() {
        std::vector<HWND> boxes;
        for (HWND window : app().TopLevelWindows()) {
            if (ClassName(window) == kAboutClass)
                boxes.push_back(window);
        }
        return boxes;
    }

    // Chooses Help > About and returns the box once it shows.
    HWND ShowAbout() {
        PostCommand(Main(), CMD_ABOUT);
        HWND box = app().WaitForWindow(kAboutClass, nullptr, 5000);
        EXPECT_TRUE(app().WaitUntilIdle());
        return box;
    }

    bool WaitHidden(HWND box) {
        return WaitFor([&] { return !IsWindowVisible(box); }, 3000);
    }

    HWND Panel(HWND box) { return FindChild(box, L"TPanel"); }
    HWND Memo(HWND box) { return FindChild(box, L"Edit"); }
};

} // namespace

TEST_F(AboutBoxTest, ExistsHiddenFromTheStartAndAboutTwiceShowsThatOneBoxInFrontWithItsTexts) {
    const auto atStart = AboutBoxes();
    ASSERT_EQ(atStart.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(atStart[0]));
    EXPECT_EQ(WindowText(atStart[0]), L"Vantrel v2.2") << "the caption is set when the box is created";

    HWND box = ShowAbout();
    ASSERT_EQ(box, atStart[0]);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == box; }, 2000));
    EXPECT_EQ(WindowText(box), L"Vantrel v2.2");
    EXPECT_NE(FindChild(box, L"Static", kProductName), nullptr);
    EXPECT_EQ(app().FocusedWindow(), FindChild(box, L"Button", L"OK"));

    ASSERT_TRUE(BringToFront(Main()));
    EXPECT_EQ(ShowAbout(), box);
    EXPECT_EQ(AboutBoxes(), std::vector<HWND>{box});
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == box; }, 2000)) << "brought to the front again";
    EXPECT_NE(FindChild(box, L"Static", kProductName), nullptr);
}

TEST_F(AboutBoxTest, FrameIs376By400SizeableMinimisableNotMaximisableAndFirstShownCentred) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    RECT frame;
    GetWindowRect(box, &frame);
    EXPECT_EQ(frame.right - frame.left, 376);
    EXPECT_EQ(frame.bottom - frame.top, 400);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 376) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 400) / 2);
    const LONG style = GetWindowLongW(box, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU), WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
}

TEST_F(AboutBoxTest, ControlsStandAtTheirPlacesWithTheirTextsAndKeepThemWhenTheBoxIsResized) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    HWND ok = FindChild(box, L"Button", L"OK");
    HWND panel = Panel(box);
    HWND memo = Memo(box);
    ASSERT_TRUE(ok && panel && memo);
    struct Expected {
        HWND window;
        RECT rect;
        const char* what;
    };
    const Expected layout[] = {
        {ok, At(146, 332, 75, 25), "OKButton"},
        {panel, At(11, 8, 345, 305), "Panel1"},
        {FindChild(panel, L"Static", L""), At(10, 24, 49, 41), "ProgramIcon"},
        {FindChild(panel, L"Static", kProductName), At(88, 24, 249, 13), "lblProductName"},
        {FindChild(panel, L"Static", L"Copyright:"), At(88, 52, 73, 13), "notice caption"},
        {FindChild(panel, L"Static", L"Vantrel Software"), At(168, 52, 169, 13), "notice name"},
        {FindChild(panel, L"Static", L"Comments:"), At(10, 88, 73, 13), "Comments"},
        {memo, At(88, 88, 249, 200), "memComments"},
    };
    for (const Expected& expected : layout) {
        ASSERT_NE(expected.window, nullptr) << expected.what;
        EXPECT_TRUE(SameRect(RectInParent(expected.window), expected.rect))
            << expected.what << ": " << Describe(RectInParent(expected.window));
    }
    EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    RECT frame;
    GetWindowRect(box, &frame);
    SetWindowPos(box, nullptr, 0, 0, 500, 520, SWP_NOMOVE | SWP_NOZORDER);
    for (const Expected& expected : layout) {
        EXPECT_TRUE(SameRect(RectInParent(expected.window), expected.rect))
            << expected.what << " after resizing: " << Describe(RectInParent(expected.window));
    }
}

TEST_F(AboutBoxTest, CommentsAreThirteenReadOnlyBorderlessLinesOnTheButtonFace) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    HWND memo = Memo(box);
    ASSERT_NE(memo, nullptr);
    const auto lines = Lines(WindowText(memo));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], L"Commercial Version");
    EXPECT_EQ(lines[1], L"");
    EXPECT_EQ(lines[2], L"Support:");
    int emptySupportLines = 0;
    std::wstring support;
    for (size_t i = 3; i < lines.size(); ++i) {
        emptySupportLines += lines[i].empty() ? 1 : 0;
        support += lines[i] + L" ";
    }
    EXPECT_EQ(emptySupportLines, 2);
    // Support is the help beside the program: no mail address, (international) telephone number or web address.
    EXPECT_NE(support.find(L"F1"), std::wstring::npos) << support;
    EXPECT_NE(support.find(L"Vantrel.chm"), std::wstring::npos) << support;
    EXPECT_EQ(support.find_first_of(L"@+"), std::wstring::npos) << support;
    EXPECT_EQ(support.find(L"://"), std::wstring::npos) << support;

    const LONG style = GetWindowLongW(memo, GWL_STYLE);
    EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY | WS_TABSTOP), ES_MULTILINE | ES_READONLY | WS_TABSTOP);
    EXPECT_EQ(style & WS_BORDER, 0);
    EXPECT_EQ(GetWindowLongW(memo, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0);

    // Read-only, yet Tab reaches it from the OK button, so its text can be selected and copied.
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_TAB});
    EXPECT_TRUE(WaitFor([&] { return app().FocusedWindow() == memo; }, 2000));

    // Below the last line the box shows only its background.
    ASSERT_TRUE(app().WaitUntilIdle());
    Pump(300);
    RECT area;
    GetWindowRect(memo, &area);
    const COLORREF background = GetPixel(base::win::ScreenDC().Get(), area.right - 4, area.bottom - 4);
    EXPECT_EQ(background, GetSysColor(COLOR_BTNFACE));
}

TEST_F(AboutBoxTest, OkEnterEscAndTheCloseButtonOnlyHideTheBox) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    Click(FindChild(box, L"Button", L"OK"));
    EXPECT_TRUE(WaitHidden(box)) << "OK";

    ASSERT_EQ(ShowAbout(), box);
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitHidden(box)) << "Enter";

    ASSERT_EQ(ShowAbout(), box);
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitHidden(box)) << "Esc";

    ASSERT_EQ(ShowAbout(), box);
    PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitHidden(box)) << "close button";

    ASSERT_TRUE(app().WaitUntilIdle());
    EXPECT_TRUE(IsWindow(box));
    EXPECT_EQ(AboutBoxes(), std::vector<HWND>{box});
    EXPECT_TRUE(app().IsRunning());
    EXPECT_TRUE(IsWindowVisible(Main()));
}

TEST_F(AboutBoxTest, MovedHiddenWithEscAndShownAgainItStandsWhereItWasMoved) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    SetWindowPos(box, nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitHidden(box));

    ASSERT_EQ(ShowAbout(), box);
    RECT frame;
    GetWindowRect(box, &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 60);
}

TEST_F(AboutBoxTest, MainWindowCommandsWorkWhileTheBoxIsShown) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    AddListBoxItem(List(), L"c:\\parts\\bracket.sldprt");
    SendMessageW(List(), LB_SETSEL, TRUE, 0);
    Click(Button(L"Rem&ove"));
    ASSERT_TRUE(app().WaitUntilIdle());
    EXPECT_TRUE(ListBoxItems(List()).empty());
    EXPECT_TRUE(IsWindowEnabled(Main()));
    EXPECT_TRUE(IsWindowVisible(box));
}

TEST_F(AboutBoxTest, F1InTheBoxAsksForNoHelp) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_F1});
    ASSERT_TRUE(app().WaitUntilIdle());
    Pump(500);
    EXPECT_TRUE(HelpCalls().empty());
}

TEST_F(AboutBoxTest, ClosingTheMainWindowWithTheBoxShownEndsTheProgram) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    PostMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app().WaitForExit(10000), std::optional<DWORD>(0));
}

TEST_F(AboutBoxTest, ProgramIconStandsAtItsNaturalSizeAtTheTopLeftOfItsPicture) {
    HWND box = ShowAbout();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(BringToFront(box));
    HWND picture = FindChild(Panel(box), L"Static", L"");
    ASSERT_NE(picture, nullptr);
    HICON icon = LoadProgramIcon(32);
    ASSERT_NE(icon, nullptr);
    // The rest of the 49 x 41 picture shows the panel: an icon stretched over it would show there.
    EXPECT_TRUE(
        WaitFor([&] { return ShowsOnlyIconAtTopLeft(picture, icon, 32, 32, GetSysColor(COLOR_BTNFACE)); }, 3000));
    DestroyIcon(icon);
}
