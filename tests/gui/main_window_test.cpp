// The main window as a user meets it at 96 dpi: its start state, layout, tab order, menu, tool bar,
// keyboard, F1 help and frame.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

#include "support/win/rects.h"
#include "vantrel_app.h"

using namespace gui;
using support::win::At;
using support::win::Describe;
using support::win::SameRect;

namespace {

struct ExpectedControl {
    const wchar_t* className;
    const wchar_t* caption;
    RECT rect; // left, top, right, bottom in the main window's client area
};

// The layout, written out here on its own so that a slip in the program's table shows.
const ExpectedControl kLayout[] = {
    {L"ListBox", nullptr, At(16, 48, 537, 313)},
    {L"Button", L"&Add...", At(16, 376, 75, 25)},
    {L"Button", L"Rem&ove", At(247, 376, 75, 25)},
    {L"Button", L"&Print", At(478, 376, 75, 25)},
    {L"Static", L"Part/Assembly", At(576, 48, 68, 13)},
    {L"Button", L"hidden lines &visible", At(600, 72, 120, 17)},
    {L"Button", L"hidden lines &grayed", At(600, 96, 120, 17)},
    {L"Button", L"hidden lines &removed", At(600, 120, 120, 17)},
    {L"Button", L"&shaded", At(600, 144, 120, 17)},
    {L"Button", L"&isometric", At(600, 168, 120, 17)},
    {L"Button", L"&zoom to fit", At(600, 192, 120, 17)},
    {L"Button", L"print previe&w", At(600, 232, 120, 17)},
    {L"Button", L"&keep going", At(600, 256, 120, 17)},
    {L"Static", L"", At(0, 0, 742, 33)}, // Bevel1, the tool bar's background
    {L"msctls_statusbar32", nullptr, At(0, 424, 742, 19)},
};

struct ExpectedToolButton {
    const wchar_t* hint;
    int left;
};

const ExpectedToolButton kToolBar[] = {
    {L"Add Files", 8},        {L"Remove Files", 32},   {L"Save File", 72}, {L"Open File", 96},
    {L"Select Printer", 136}, {L"Setup Printer", 160}, {L"Print", 184},    {L"Exit", 224},
};

} // namespace

// --- start state ------------------------------------------------------------------------------------

TEST_F(VantrelTest, StartsWithTitleWelcomeTextDefaultOptionsEmptyListAndFocusOnTheList) {
    EXPECT_EQ(WindowText(Main()), L"Vantrel v2.2");
    EXPECT_EQ(Status(), L"Welcome to Vantrel");
    EXPECT_TRUE(IsChecked(Button(L"hidden lines &visible")));
    EXPECT_FALSE(IsChecked(Button(L"hidden lines &grayed")));
    EXPECT_FALSE(IsChecked(Button(L"hidden lines &removed")));
    EXPECT_FALSE(IsChecked(Button(L"&shaded")));
    EXPECT_FALSE(IsChecked(Button(L"&isometric")));
    EXPECT_FALSE(IsChecked(Button(L"&zoom to fit")));
    EXPECT_FALSE(IsChecked(Button(L"print previe&w")));
    EXPECT_FALSE(IsChecked(Button(L"&keep going")));
    EXPECT_TRUE(ListBoxItems(List()).empty());
    EXPECT_EQ(app().FocusedWindow(), List());
}

TEST_F(VantrelTest, ListIsSortedWithExtendedSelection) {
    const LONG style = GetWindowLongW(List(), GWL_STYLE);
    EXPECT_EQ(style & LBS_SORT, LBS_SORT);
    EXPECT_EQ(style & LBS_EXTENDEDSEL, LBS_EXTENDEDSEL);
    EXPECT_EQ(SendMessageW(List(), LB_GETITEMHEIGHT, 0, 0), 13);
}

// --- layout -------------------------------------------------------------------------------------------

TEST_F(VantrelTest, ClientAreaIs742By443) {
    const RECT client = ClientRect(Main());
    EXPECT_EQ(client.right, 742);
    EXPECT_EQ(client.bottom, 443);
}

TEST_F(VantrelTest, EveryControlStandsAtItsPlaceWithItsCaption) {
    for (const ExpectedControl& expected : kLayout) {
        HWND control = Control(expected.className, expected.caption);
        ASSERT_NE(control, nullptr) << expected.className << " " << (expected.caption ? expected.caption : L"");
        const RECT actual = RectInParent(control);
        EXPECT_TRUE(SameRect(actual, expected.rect))
            << expected.className << " " << (expected.caption ? expected.caption : L"") << ": " << Describe(actual)
            << " instead of " << Describe(expected.rect);
    }
}

TEST_F(VantrelTest, ToolButtonsStandOnTheBevelAt25By25InTheirOrder) {
    std::vector<HWND> buttons;
    for (HWND child : Children(Main())) {
        if (ClassName(child) == kToolButtonClass)
            buttons.push_back(child);
    }
    ASSERT_EQ(buttons.size(), std::size(kToolBar));
    for (const ExpectedToolButton& expected : kToolBar) {
        HWND button = ToolButton(expected.hint);
        ASSERT_NE(button, nullptr) << expected.hint;
        const RECT actual = RectInParent(button);
        EXPECT_TRUE(SameRect(actual, At(expected.left, 4, 25, 25))) << expected.hint << ": " << Describe(actual);
    }
}

// Each button draws its own two images of the shared picture strip: a colour picture while enabled, and
// the grey one, all in shades of grey, while disabled. A button that took a neighbour's image would show
// colour where grey belongs, or the wrong picture (which the screenshots compare).
TEST_F(VantrelTest, EachToolButtonShowsItsColourPictureAndWhenDisabledItsGreyOne) {
    ASSERT_TRUE(BringToFront(Main()));
    const auto coloured = [](HWND button) {
        const std::vector<DWORD> pixels = ClientPixels(button);
        return std::count_if(pixels.begin(), pixels.end(), [](DWORD pixel) {
            return GetRValue(pixel) != GetGValue(pixel) || GetGValue(pixel) != GetBValue(pixel);
        });
    };
    for (const ExpectedToolButton& expected : kToolBar) {
        HWND button = ToolButton(expected.hint);
        ASSERT_NE(button, nullptr) << expected.hint;
        EXPECT_TRUE(WaitFor([&] { return coloured(button) > 0; }, 2000)) << expected.hint;
        EnableWindow(button, FALSE);
        EXPECT_TRUE(WaitFor([&] { return coloured(button) == 0; }, 2000)) << expected.hint;
        const std::vector<DWORD> shown = ClientPixels(button);
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](DWORD pixel) { return (pixel & 0xFFFFFF) == 0x808080; }))
            << expected.hint << ": no grey picture";
        EnableWindow(button, TRUE);
        EXPECT_TRUE(WaitFor([&] { return coloured(button) > 0; }, 2000)) << expected.hint;
    }
}

TEST_F(VantrelTest, StatusBarHasOnePartAndNoSizeGrip) {
    EXPECT_EQ(SendMessageW(StatusBar(), SB_GETPARTS, 0, 0), 1);
    EXPECT_EQ(GetWindowLongW(StatusBar(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
}

// --- keyboard -------------------------------------------------------------------------------------------

TEST_F(VantrelTest, TabVisitsTheControlsInTabOrderEnteringTheRadioGroupAtTheCheckedButton) {
    ASSERT_TRUE(BringToFront(Main()));
    // clang-format off
    const std::vector<HWND> expected = {
        Button(L"&Add..."), Button(L"Rem&ove"), Button(L"&Print"), Button(L"hidden lines &visible"),
        Button(L"&isometric"), Button(L"&zoom to fit"), Button(L"print previe&w"), Button(L"&keep going"), List()};
    // clang-format on
    for (HWND next : expected) {
        PressKeys({VK_TAB});
        EXPECT_TRUE(WaitFor([&] { return app().FocusedWindow() == next; }, 2000)) << WindowText(next);
    }
}

TEST_F(VantrelTest, RadioButtonsAreOneGroupThatTabEntersAtTheCheckedOne) {
    ASSERT_TRUE(BringToFront(Main()));
    ClickAt(Button(L"&shaded"), POINT{5, 8});
    ASSERT_TRUE(WaitFor([&] { return IsChecked(Button(L"&shaded")); }, 2000));
    EXPECT_FALSE(IsChecked(Button(L"hidden lines &visible")));
    EXPECT_FALSE(IsChecked(Button(L"hidden lines &grayed")));
    EXPECT_FALSE(IsChecked(Button(L"hidden lines &removed")));
    // Back to the Print button and forward again: Tab enters the group at the checked button, and an
    // arrow key moves the check within it.
    PressKeys({VK_SHIFT, VK_TAB});
    ASSERT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&Print"); }, 2000));
    PressKeys({VK_TAB});
    EXPECT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&shaded"); }, 2000));
    PressKeys({VK_UP});
    EXPECT_TRUE(WaitFor([&] { return IsChecked(Button(L"hidden lines &removed")); }, 2000));
    EXPECT_FALSE(IsChecked(Button(L"&shaded")));
}

TEST_F(VantrelTest, AccessKeysCheckRadioButtonsAndToggleCheckBoxes) {
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_MENU, 'G'});
    EXPECT_TRUE(WaitFor([&] { return IsChecked(Button(L"hidden lines &grayed")); }, 2000));
    EXPECT_FALSE(IsChecked(Button(L"hidden lines &visible")));
    PressKeys({VK_MENU, 'Z'});
    EXPECT_TRUE(WaitFor([&] { return IsChecked(Button(L"&zoom to fit")); }, 2000));
    PressKeys({VK_MENU, 'Z'});
    EXPECT_TRUE(WaitFor([&] { return !IsChecked(Button(L"&zoom to fit")); }, 2000));
}

TEST_F(VantrelTest, EscapeAndEnterOnTheListDoNothing) {
    ASSERT_TRUE(BringToFront(Main()));
    const size_t windowsBefore = app().TopLevelWindows().size();
    PressKeys({VK_ESCAPE});
    PressKeys({VK_RETURN});
    ASSERT_TRUE(app().WaitUntilIdle());
    Pump(500);
    EXPECT_TRUE(app().IsRunning());
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_EQ(app().TopLevelWindows().size(), windowsBefore);
    EXPECT_EQ(Status(), L"Welcome to Vantrel");
}

TEST_F(VantrelTest, EnterPressesThePushButtonThatHasTheFocusAndAltLetterPressesItsButton) {
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_TAB});
    ASSERT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&Add..."); }, 2000));
    PressKeys({VK_RETURN});
    HWND dialog = app().WaitForDialog(5000);
    ASSERT_NE(dialog, nullptr) << "Enter did not press Add";
    PressDialogButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    ASSERT_TRUE(app().WaitUntilIdle());
    // Back from the dialog, the focus is where it was.
    ASSERT_TRUE(BringToFront(Main()));
    EXPECT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&Add..."); }, 2000));

    ClickAt(Button(L"&shaded"), POINT{5, 8}); // the focus away from the button
    ASSERT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&shaded"); }, 2000));
    PressKeys({VK_MENU, 'A'});
    dialog = app().WaitForDialog(5000);
    ASSERT_NE(dialog, nullptr) << "Alt+A did not press Add";
    PressDialogButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
}

TEST_F(VantrelTest, NoPushButtonIsTheDefaultButton) {
    for (const wchar_t* caption : {L"&Add...", L"Rem&ove", L"&Print"}) {
        const LONG type = GetWindowLongW(Button(caption), GWL_STYLE) & BS_TYPEMASK;
        EXPECT_EQ(type, BS_PUSHBUTTON) << caption;
    }
}

// --- tool bar -------------------------------------------------------------------------------------------

TEST_F(VantrelTest, EachToolButtonHasItsHintAsTooltip) {
    const std::vector<HWND> tooltips = [&] {
        std::vector<HWND> found;
        for (HWND window : app().TopLevelWindows()) {
            if (ClassName(window) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == Main())
                found.push_back(window);
        }
        return found;
    }();
    ASSERT_EQ(tooltips.size(), 1u);
    const auto tools = app().TooltipTools(tooltips.front());
    ASSERT_EQ(tools.size(), std::size(kToolBar));
    for (const ExpectedToolButton& expected : kToolBar) {
        HWND button = ToolButton(expected.hint);
        const auto tool = std::find_if(tools.begin(), tools.end(), [&](const auto& t) { return t.first == button; });
        ASSERT_NE(tool, tools.end()) << expected.hint;
        EXPECT_EQ(tool->second, expected.hint);
    }
}

TEST_F(VantrelTest, RestingThePointerOnAToolButtonShowsItsHint) {
    ASSERT_TRUE(BringToFront(Main()));
    HWND button = ToolButton(L"Setup Printer");
    MoveMouseTo(button, POINT{10, 10});
    MoveMouseTo(button, POINT{12, 12});
    HWND shown = nullptr;
    const bool appeared = WaitFor(
        [&] {
            shown = app().WaitForWindow(TOOLTIPS_CLASSW, nullptr, 0);
            return shown != nullptr && WindowText(shown) == L"Setup Printer";
        },
        5000);
    EXPECT_TRUE(appeared) << (shown ? WindowText(shown) : L"no tooltip");
}

TEST_F(VantrelTest, ClickingAToolButtonLeavesTheFocusWhereItWas) {
    ASSERT_TRUE(BringToFront(Main()));
    ASSERT_EQ(app().FocusedWindow(), List());
    // Print over an empty list does nothing else, so the click shows only its effect on the focus.
    ClickAt(ToolButton(L"Print"), POINT{12, 12});
    ASSERT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(app().FocusedWindow(), List());
}

// --- menu -----------------------------------------------------------------------------------------------

TEST_F(VantrelTest, MenuHasItsItemsSeparatorsAndShortcutTextsAllEnabledNoneChecked) {
    ASSERT_NE(GetMenu(Main()), nullptr);
    const auto menu = LoadMenuResource(VantrelPath(), IDR_MAINMENU);
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].caption, L"&File");
    EXPECT_EQ(menu[1].caption, L"&Help");
    const std::vector<std::wstring> file = {L"&Open...\tCtrl+O",
                                            L"&Save\tCtrl+S",
                                            L"Save &As...",
                                            L"",
                                            L"S&elect Printer...",
                                            L"Print &Setup...",
                                            L"&Print\tCtrl+P",
                                            L"",
                                            L"E&xit"};
    const std::vector<std::wstring> help = {L"&Contents", L"&About..."};
    ASSERT_EQ(menu[0].items.size(), file.size());
    for (size_t i = 0; i < file.size(); ++i) {
        EXPECT_EQ(menu[0].items[i].caption, file[i]);
        EXPECT_EQ(menu[0].items[i].separator, file[i].empty()) << i;
    }
    ASSERT_EQ(menu[1].items.size(), help.size());
    for (size_t i = 0; i < help.size(); ++i)
        EXPECT_EQ(menu[1].items[i].caption, help[i]);
    for (const auto& top : menu) {
        EXPECT_TRUE(top.enabled);
        for (const auto& item : top.items) {
            EXPECT_TRUE(item.enabled) << item.caption;
            EXPECT_FALSE(item.checked) << item.caption;
        }
    }
}

TEST_F(VantrelTest, FileExitChosenWithTheKeyboardEndsTheProgram) {
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_MENU, 'F'});
    Pump(300);
    PressKeys({'X'});
    EXPECT_EQ(app().WaitForExit(10000), std::optional<DWORD>(0));
}

// --- F1 help ---------------------------------------------------------------------------------------------
// F1 shows the page of the control's or menu item's help context in the compiled help beside the program
// (HtmlHelpW, HH_DISPLAY_TOPIC, "<file>::/<page>"), as the prefix's recording hhctrl.ocx journals it.

TEST_F(HelpTest, F1OnAControlShowsItsTopicPageAndOnTheListNothing) {
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_F1}); // the focus is on the list, which has no context
    ASSERT_TRUE(app().WaitUntilIdle());
    Pump(300);
    EXPECT_TRUE(HelpCalls().empty());

    F1OnShaded();
    PressKeys({VK_TAB}); // on to isometric
    ASSERT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&isometric"); }, 2000));
    PressKeys({VK_F1});
    HelpJournal().WaitForCalls(2);
    EXPECT_EQ(HelpCalls(),
              (std::vector<HtmlHelpJournal::Call>{HelpTopicShown(L"shaded.html"), HelpTopicShown(L"isometric.html")}));
}

TEST_F(HelpTest, F1OnHighlightedMenuItemsShowsTheirPagesAndForTheHelpMenuTheDefaultTopic) {
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_MENU, 'F'}); // opens File with its first item highlighted
    Pump(300);
    for (size_t item = 0; item < 7; ++item) {
        PressKeys({VK_F1});
        ASSERT_TRUE(HelpJournal().WaitForCalls(item + 1)) << "item " << item;
        PressKeys({VK_DOWN}); // separators are skipped
    }
    PressKeys({VK_RIGHT}); // over to Help: Contents highlighted
    Pump(300);
    PressKeys({VK_F1});
    PressKeys({VK_DOWN});
    PressKeys({VK_F1});
    HelpJournal().WaitForCalls(9);
    PressKeys({VK_ESCAPE});
    PressKeys({VK_ESCAPE});
    std::vector<HtmlHelpJournal::Call> expected;
    for (const wchar_t* page : {L"open.html", L"save.html", L"save-as.html", L"select-printer.html",
                                L"print-setup.html", L"file-print.html", L"exit.html"})
        expected.push_back(HelpTopicShown(page));
    expected.push_back(HelpTopicShown(L""));
    expected.push_back(HelpTopicShown(L""));
    EXPECT_EQ(HelpCalls(), expected);
}

// --- frame ----------------------------------------------------------------------------------------------

TEST_F(VantrelTest, FrameOffersSystemMenuAndMinimiseButNeitherSizingNorMaximising) {
    const LONG style = GetWindowLongW(Main(), GWL_STYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION), WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION);
    EXPECT_EQ(GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
}

TEST_F(VantrelTest, BorderCantBeDraggedAndCaptionDoubleClickDoesNotMaximise) {
    ASSERT_TRUE(BringToFront(Main()));
    RECT before;
    GetWindowRect(Main(), &before);
    // Every point of the border answers as plain border, never as a sizing edge.
    const POINT edges[] = {{before.right - 1, (before.top + before.bottom) / 2},
                           {(before.left + before.right) / 2, before.bottom - 1},
                           {before.right - 1, before.bottom - 1},
                           {before.left, before.top}};
    const std::set<LRESULT> sizing = {HTLEFT,    HTRIGHT,    HTTOP,        HTBOTTOM,
                                      HTTOPLEFT, HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT};
    for (const POINT& p : edges) {
        const LRESULT hit = SendMessageW(Main(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        EXPECT_EQ(sizing.count(hit), 0u) << p.x << "," << p.y << " answers " << hit;
    }
    // A double click on the caption maximises a window that can be maximised.
    POINT caption{(before.left + before.right) / 2, before.top + GetSystemMetrics(SM_CYFRAME) + 4};
    ScreenToClient(Main(), &caption);
    ClickAt(Main(), caption, true);
    // A maximisable window is maximised within moments of the double click; give it that time.
    const bool changed = WaitFor(
        [&] {
            RECT now;
            GetWindowRect(Main(), &now);
            return IsZoomed(Main()) || !SameRect(before, now);
        },
        2000);
    RECT after;
    GetWindowRect(Main(), &after);
    EXPECT_FALSE(changed) << Describe(before) << " became " << Describe(after);
}

TEST_F(VantrelTest, WindowIsCentredOnTheScreen) {
    RECT frame;
    GetWindowRect(Main(), &frame);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(frame.left, (screenWidth - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (screenHeight - (frame.bottom - frame.top)) / 2);
}
