// The window at any dpi is the 96-dpi layout scaled: every edge at its scaled place, so that nothing is
// clipped and what stood flush stays flush; whether the program started at that dpi or was moved there
// (WM_DPICHANGED, which Wine never sends by itself, so the tests send it as Windows would).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/win/rects.h"
#include "vantrel_app.h"

using namespace gui;
using support::win::SameRect;

namespace {

// A 96-dpi coordinate at another dpi, to the nearest pixel.
int Scaled(int value, int dpi) {
    return (value * dpi + 48) / 96;
}

RECT ScaledRect(int left, int top, int width, int height, int dpi) {
    return RECT{Scaled(left, dpi), Scaled(top, dpi), Scaled(left + width, dpi), Scaled(top + height, dpi)};
}

// Controls of the main window as a user finds them, at their 96-dpi place (left, top, width, height).
struct Placed {
    const wchar_t* className;
    const wchar_t* caption; // the hint for a tool button; null: the only one of its class
    int left, top, width, height;
};
const Placed kMainWindowControls[] = {
    {L"ListBox", nullptr, 16, 48, 537, 313},
    {L"Button", L"&Add...", 16, 376, 75, 25},
    {L"Button", L"Rem&ove", 247, 376, 75, 25},
    {L"Button", L"&Print", 478, 376, 75, 25},
    {L"Static", L"Part/Assembly", 576, 48, 68, 13},
    {L"Button", L"hidden lines &visible", 600, 72, 120, 17},
    {L"Button", L"print previe&w", 600, 232, 120, 17},
    {L"msctls_statusbar32", nullptr, 0, 424, 742, 19},
    {kToolButtonClass, L"Remove Files", 32, 4, 25, 25},
    {kToolButtonClass, L"Exit", 224, 4, 25, 25},
};

// Every window inside the frame (children of children too) and where it stands.
std::vector<RECT> PlacesOfAllChildren(HWND parent) {
    std::vector<RECT> places;
    for (HWND child : Children(parent)) {
        places.push_back(RectInParent(child));
        const std::vector<RECT> inner = PlacesOfAllChildren(child);
        places.insert(places.end(), inner.begin(), inner.end());
    }
    return places;
}

bool SamePlaces(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameRect);
}

// The window rectangle Windows suggests at the new dpi: the same top-left corner, the size scaled.
RECT SuggestedRect(HWND window, int fromDpi, int toDpi) {
    RECT rect;
    GetWindowRect(window, &rect);
    return RECT{rect.left, rect.top, rect.left + MulDiv(rect.right - rect.left, toDpi, fromDpi),
                rect.top + MulDiv(rect.bottom - rect.top, toDpi, fromDpi)};
}

// The rectangle Windows 10 1703 and later suggest: the same top-left corner, the size the window asks
// for there (WM_GETDPISCALEDSIZE, answered in the program's memory, which starts zeroed).
RECT AskedRect(const App& app, HWND window, int dpi) {
    RECT rect;
    GetWindowRect(window, &rect);
    SIZE size{};
    RemoteMemory asked(app.Process(), sizeof size);
    SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi), asked.AsParam());
    asked.Read(&size, sizeof size);
    return RECT{rect.left, rect.top, rect.left + size.cx, rect.top + size.cy};
}

class DpiTest : public VantrelTest {
protected:
    void ExpectAt(HWND control, const RECT& expected, const std::wstring& what) {
        ASSERT_NE(control, nullptr) << what;
        const RECT actual = RectInParent(control);
        EXPECT_EQ(actual.left, expected.left) << what;
        EXPECT_EQ(actual.top, expected.top) << what;
        EXPECT_EQ(actual.right, expected.right) << what;
        EXPECT_EQ(actual.bottom, expected.bottom) << what;
    }

    // Not the client area where it would be Wine's frame that is checked: Wine draws it at the start dpi.
    void ExpectMainWindowLaidOutAt(int dpi, bool clientArea = true) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        const RECT client = ClientRect(Main());
        EXPECT_TRUE(!clientArea || (client.right == Scaled(742, dpi) && client.bottom == Scaled(443, dpi)));
        for (const Placed& placed : kMainWindowControls)
            ExpectAt(Control(placed.className, placed.caption),
                     ScaledRect(placed.left, placed.top, placed.width, placed.height, dpi),
                     placed.caption ? placed.caption : placed.className);
        // Flush at 96 dpi, flush at every dpi: the Print button's right edge is the list's.
        EXPECT_EQ(RectInParent(Button(L"&Print")).right, RectInParent(List()).right);
        EXPECT_EQ(SendMessageW(List(), LB_GETITEMHEIGHT, 0, 0), Scaled(13, dpi));
    }

    // Moves the window to a monitor of that dpi, as far as the program can tell.
    void MoveTo(int fromDpi, int toDpi) {
        SendDpiChanged(app(), Main(), toDpi, SuggestedRect(Main(), fromDpi, toDpi));
        ASSERT_TRUE(app().WaitUntilIdle());
    }
};

// Started at a system dpi: the monitors' dpi of a Windows before 8.1, and Wine's.
class StartDpiTest : public DpiTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        dpi_ = std::make_unique<SystemDpiSetting>(GetParam());
        DpiTest::SetUp();
    }
    void TearDown() override {
        DpiTest::TearDown();
        dpi_.reset();
    }

    std::unique_ptr<SystemDpiSetting> dpi_;
};

} // namespace

TEST_P(StartDpiTest, TheClientAreaAndEveryControlAreTheLayoutScaled) {
    ExpectMainWindowLaidOutAt(GetParam());
}

INSTANTIATE_TEST_SUITE_P(SystemDpi, StartDpiTest, testing::Values(120, 144, 192));

// 168 and 240 are dpis the tool-button pictures were not drawn for: the layout scales all the same.
TEST_F(DpiTest, MovedToAnotherDpiTheWindowTakesTheSuggestedPlaceAndTheLayoutScaledAndComesBackToTheSamePixels) {
    RECT frame;
    GetWindowRect(Main(), &frame);
    const std::vector<RECT> places = PlacesOfAllChildren(Main());
    for (const int dpi : {120, 144, 192, 168, 240}) {
        const RECT suggested = AskedRect(app(), Main(), dpi);
        SendDpiChanged(app(), Main(), dpi, suggested);
        ExpectMainWindowLaidOutAt(dpi, false);
        RECT moved;
        GetWindowRect(Main(), &moved);
        EXPECT_TRUE(SameRect(moved, suggested));
    }
    SendDpiChanged(app(), Main(), 96, frame);
    ASSERT_TRUE(app().WaitUntilIdle());
    RECT back;
    GetWindowRect(Main(), &back);
    EXPECT_TRUE(SameRect(back, frame));
    EXPECT_TRUE(SamePlaces(PlacesOfAllChildren(Main()), places));
}

TEST_F(DpiTest, MovingBetweenDpisLeavesNoGdiObjectBehind) {
    // Counted once the window is drawn: painting holds regions and device contexts for a while. The first
    // round fills the system's caches for the sizes of those dpis (the visual styles' pictures).
    const auto settledCount = [this] {
        Pump(300);
        EXPECT_TRUE(app().WaitUntilIdle());
        return GdiObjectCount(app().Process());
    };
    const auto round = [this] {
        MoveTo(96, 144);
        MoveTo(144, 192);
        MoveTo(192, 96);
    };
    round();
    const DWORD before = settledCount();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 3; ++i)
        round();
    EXPECT_EQ(settledCount(), before);
}

// The About box stands on its own monitor and gets its own message.
TEST_F(DpiTest, TheAboutBoxLaysItselfOutAtItsNewDpiAndTheMainWindowStaysAsItWas) {
    PostCommand(Main(), CMD_ABOUT);
    HWND about = app().WaitForWindow(L"TfrmAbout", nullptr, 5000);
    ASSERT_NE(about, nullptr);
    SendDpiChanged(app(), about, 144, SuggestedRect(about, 96, 144));
    ASSERT_TRUE(app().WaitUntilIdle());
    ExpectAt(FindChild(about, L"Button", L"OK"), ScaledRect(146, 332, 75, 25, 144), L"OKButton");
    ExpectAt(FindChild(about, L"Edit"), ScaledRect(88, 88, 249, 200, 144), L"memComments in Panel1");
    ExpectAt(FindChild(about, L"Static", L"Comments:"), ScaledRect(10, 88, 73, 13, 144), L"Comments in Panel1");
    ExpectMainWindowLaidOutAt(96);
}

namespace {

// The radio buttons and check boxes: Wine draws their circles and boxes at the size of the dpi the
// program started at, not at the window's (Windows 10 1703 on draws them at the window's).
std::vector<RECT> GlyphButtons(HWND form) {
    std::vector<RECT> places;
    for (HWND child : Children(form)) {
        const LONG_PTR type = GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
        if (ClassName(child) == L"Button" && (type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX))
            places.push_back(RectInParent(child));
    }
    return places;
}

// The rectangle around every pixel of the client area that differs, outside the glyph buttons; none: -1.
RECT Differing(HWND form, const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
    const LONG width = ClientRect(form).right;
    const std::vector<RECT> excluded = GlyphButtons(form);
    RECT differing{LONG_MAX, LONG_MAX, -1, -1};
    for (size_t i = 0; i < a.size(); ++i) {
        const POINT point{static_cast<LONG>(i) % width, static_cast<LONG>(i) / width};
        const bool inGlyphButton = std::any_of(excluded.begin(), excluded.end(),
                                               [&](const RECT& place) { return PtInRect(&place, point) != FALSE; });
        if (a[i] == b[i] || inGlyphButton)
            continue;
        differing = RECT{std::min(differing.left, point.x), std::min(differing.top, point.y),
                         std::max(differing.right, point.x), std::max(differing.bottom, point.y)};
    }
    return differing;
}

} // namespace

// What a user sees: moved to a monitor of 144 dpi, the client area shows the very pixels it shows when
// the program starts at 144 (fonts, tool-button pictures, item heights and all).
TEST(DpiPixelsTest, MovedTo144DpiTheWindowLooksAsWhenStartedAt144Dpi) {
    std::vector<DWORD> started;
    RECT startedFrame;
    {
        const SystemDpiSetting dpi(144);
        const App app = App::Launch(VantrelPath(), kMainCaption);
        ASSERT_TRUE(BringToFront(app.MainWindow()) && app.WaitUntilIdle());
        Pump(500);
        GetWindowRect(app.MainWindow(), &startedFrame);
        started = ClientPixels(app.MainWindow());
    }
    // Moved to where the other stood, so that both are whole on the screen.
    const App app = App::Launch(VantrelPath(), kMainCaption);
    SendDpiChanged(app, app.MainWindow(), 144, startedFrame);
    ASSERT_TRUE(BringToFront(app.MainWindow()) && app.WaitUntilIdle());
    Pump(500);
    const std::vector<DWORD> moved = ClientPixels(app.MainWindow());
    ASSERT_EQ(moved.size(), started.size());
    const RECT differing = Differing(app.MainWindow(), moved, started);
    EXPECT_EQ(differing.right, -1) << "pixels differ from " << differing.left << "," << differing.top << " to "
                                   << differing.right << "," << differing.bottom;
}
