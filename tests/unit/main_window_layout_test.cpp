// The main window's rules that need no window: the error box's text, which help topic F1 asks for, and
// how the 96-dpi layout scales.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>

#include "automation/ole_errors.h"
#include "forms/dpi_scaling.h"
#include "forms/error_text.h"
#include "res/resource.h"
#include "shell/main_window_layout.h"

using namespace forms;
using namespace shell;

// --- the error box's text ------------------------------------------------------------------------------

TEST(ErrorBoxText, MessageEndingInALetterGetsAFullStop) {
    EXPECT_EQ(ErrorBoxText("Cannot open file C:\\lists\\parts.txt"), "Cannot open file C:\\lists\\parts.txt.");
    EXPECT_EQ(ErrorBoxText("Stream write error"), "Stream write error.");
}

TEST(ErrorBoxText, MessageAlreadyEndingInAFullStopGetsNoSecondOne) {
    EXPECT_EQ(ErrorBoxText("There is no default printer currently selected."),
              "There is no default printer currently selected.");
}

TEST(ErrorBoxText, EmptyMessageStaysEmpty) {
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(ErrorBoxText, LastByteAtOrBelowFullStopIsLeftAlone) {
    for (const char* message : {"Done.", "Stop!", "(see above)", "one, two,", "a - b -", "trailing ", "line\n", "tab\t",
                                "quote\"", "50%", "a+", "x*", "it's'", "#", "&"}) {
        EXPECT_EQ(ErrorBoxText(message), message) << message;
    }
}

TEST(ErrorBoxText, LastByteAboveFullStopGetsOne) {
    // '/' is the first code above '.', so it marks the boundary from the other side.
    for (const char* message : {"Really?", "Reason:", "code 7", "path/", "x;", "a=", "b>", "at@", "[1]", "c_", "z~"})
        EXPECT_EQ(ErrorBoxText(message), std::string(message) + ".") << message;
}

TEST(ErrorBoxText, LastByteOfEightBitsIsComparedUnsigned) {
    // As a signed char these would be negative and lose the full stop.
    EXPECT_EQ(ErrorBoxText("caf\xE9"), "caf\xE9.");
    EXPECT_EQ(ErrorBoxText("x\x80"), "x\x80.");
    EXPECT_EQ(ErrorBoxText("\xFF"), "\xFF.");
}

// A control that can't be built: "Cannot create the control <name>", named as the user reads it.
TEST(ControlNameInErrors, CaptionAsShownOrTheNameWhereThereIsNone) {
    const struct {
        int id;
        const char* shown;
    } cases[] = {{IDC_LBLPRTASSY, "Part/Assembly"}, {CMD_ADD, "Add..."},      {CMD_REMOVE, "Remove"},
                 {IDC_RDOSHADED, "shaded"},         {IDC_LBXLIST, "lbxList"}, {IDC_BEVEL1, "Bevel1"}};
    for (const auto& c : cases) {
        const ControlLayout* control =
            std::find_if(kControls, kControls + kControlCount, [&](const ControlLayout& s) { return s.id == c.id; });
        ASSERT_NE(control, kControls + kControlCount) << c.shown;
        EXPECT_EQ(ShownCaption(NameInErrors(*control)), c.shown);
    }
    EXPECT_EQ(ShownCaption("Fish && &Chips"), "Fish & Chips");
    EXPECT_EQ(ShownCaption("trailing&"), "trailing&");
}

TEST(ExceptionMessage, AutomationFailuresAnswerWithTheirMessage) {
    const automation::EOleException failure("Document not found", static_cast<int32_t>(0x80020009), "Host", "", 0);
    EXPECT_EQ(ExceptionMessage(std::make_exception_ptr(failure)), "Document not found");
    const base::Exception plain("Cannot create file C:\\a.txt");
    EXPECT_EQ(ExceptionMessage(std::make_exception_ptr(plain)), "Cannot create file C:\\a.txt");
}

TEST(ExceptionMessage, OtherStandardExceptionsAnswerWithWhat) {
    EXPECT_EQ(ExceptionMessage(std::make_exception_ptr(std::runtime_error("Cannot create the window"))),
              "Cannot create the window");
}

TEST(ExceptionMessage, AnythingElseIsAnUnknownError) {
    EXPECT_EQ(ExceptionMessage(std::make_exception_ptr(42)), "Unknown error");
}

// --- F1 help ---------------------------------------------------------------------------------------------

TEST(ControlHelpContext, TheFocusedControlsOwnContextComesFirst) {
    EXPECT_EQ(ControlHelpContext({70, 5, 0}), std::optional<int>(70));
}

TEST(ControlHelpContext, AControlWithoutOneTakesTheNearestParentsContext) {
    EXPECT_EQ(ControlHelpContext({0, 0, 30, 5}), std::optional<int>(30));
}

TEST(ControlHelpContext, NoContextOnTheWholeChainMeansNoHelp) {
    EXPECT_EQ(ControlHelpContext({0, 0}), std::nullopt);
    EXPECT_EQ(ControlHelpContext({}), std::nullopt);
}

TEST(MenuItemHelpContext, FileMenuItemsHaveTheirOwnContexts) {
    EXPECT_EQ(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, CMD_OPEN), 500);
    EXPECT_EQ(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, CMD_EXIT), 560);
}

TEST(MenuItemHelpContext, ItemsWithoutContextUnderAMenuWithoutOneAskForZero) {
    EXPECT_EQ(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, CMD_ABOUT), 0);
    EXPECT_EQ(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, CMD_CONTENTS), 0);
    EXPECT_EQ(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, IDM_FILE), 0);
}

TEST(MenuItemHelpContext, AnUnknownItemAsksForZero) {
    EXPECT_EQ(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, 0), 0);
    EXPECT_EQ(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, -1), 0);
}

TEST(MenuItemHelpContext, AnItemWithoutContextTakesTheNearestEnclosingItemsContext) {
    const MenuHelpEntry nested[] = {{1, 0, 900}, {2, 1, 0}, {3, 2, 0}, {4, 2, 950}};
    EXPECT_EQ(MenuItemHelpContext(nested, 4, 3), 900); // two levels up
    EXPECT_EQ(MenuItemHelpContext(nested, 4, 4), 950); // its own before its menu's
}

TEST(MenuItemHelpContext, EnclosingItemsThatFormALoopEndInZero) {
    const MenuHelpEntry looped[] = {{1, 2, 0}, {2, 1, 0}};
    EXPECT_EQ(MenuItemHelpContext(looped, 2, 1), 0);
}

// --- layout ----------------------------------------------------------------------------------------------

TEST(Layout, NoTwoControlsOrTopLevelMenusShareAnAccessKey) {
    std::set<char> keys = {'f', 'h'}; // &File, &Help
    for (size_t i = 0; i < kControlCount; ++i) {
        const std::string caption = kControls[i].caption;
        const size_t amp = caption.find('&');
        if (amp == std::string::npos || amp + 1 >= caption.size())
            continue;
        const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1])));
        EXPECT_TRUE(keys.insert(key).second) << kControls[i].name << " shares '" << key << "'";
    }
}

// A click raises the control's id. A push button or tool button whose id is no command would be drawn and
// clickable but do nothing; any other control with a command's id would run it when clicked.
TEST(Layout, EveryPushButtonAndToolButtonRaisesACommandAndNothingElseDoes) {
    const auto isCommand = [](int id) { return id >= CMD_FIRST && id <= CMD_LAST; };
    for (size_t i = 0; i < kControlCount; ++i)
        EXPECT_EQ(isCommand(kControls[i].id), kControls[i].kind == ControlKind::PushButton) << kControls[i].name;
    for (size_t i = 0; i < kToolButtonCount; ++i)
        EXPECT_TRUE(isCommand(kToolButtons[i].command)) << kToolButtons[i].name;
}

// --- dpi scaling --------------------------------------------------------------------------------------------

TEST(DpiScaling, NinetySixDpiLeavesEveryValueAlone) {
    for (int value : {0, 4, 13, 25, 443, 742})
        EXPECT_EQ(ScaleToDpi(value, 96), value);
}

TEST(DpiScaling, ValuesRoundToTheNearestPixelWithHalvesUp) {
    EXPECT_EQ(ScaleToDpi(443, 144), 665); // 664.5
    EXPECT_EQ(ScaleToDpi(537, 120), 671); // 671.25
    EXPECT_EQ(ScaleToDpi(75, 120), 94);   // 93.75
    EXPECT_EQ(ScaleToDpi(742, 144), 1113);
}

TEST(DpiScaling, ControlsFlushAt96DpiStayFlushAtEveryDpi) {
    const auto control = [](int id) {
        return std::find_if(kControls, kControls + kControlCount, [&](const ControlLayout& c) { return c.id == id; });
    };
    const ControlLayout* list = control(IDC_LBXLIST);
    const ControlLayout* print = control(CMD_PRINT);
    ASSERT_NE(list, kControls + kControlCount);
    ASSERT_NE(print, kControls + kControlCount);
    for (int dpi : {96, 120, 144, 168, 192}) {
        const Rect scaledList = ScaleRect(list->bounds, dpi);
        const Rect scaledPrint = ScaleRect(print->bounds, dpi);
        EXPECT_EQ(scaledList.left + scaledList.width, scaledPrint.left + scaledPrint.width) << dpi;
    }
}

TEST(DpiScaling, EightPointFontIsElevenPixelsAt96Dpi) {
    EXPECT_EQ(FontHeightForDpi(8, 96), -11);
    EXPECT_EQ(FontHeightForDpi(8, 120), -13);
    EXPECT_EQ(FontHeightForDpi(8, 144), -16);
}

TEST(DpiScaling, PicturesAreTheLargestStoredSizeThatFitsNeverStretched) {
    EXPECT_EQ(kPictureSizes[PictureSizeIndex(96)], 16);
    EXPECT_EQ(kPictureSizes[PictureSizeIndex(120)], 20);
    EXPECT_EQ(kPictureSizes[PictureSizeIndex(144)], 24);
    EXPECT_EQ(kPictureSizes[PictureSizeIndex(168)], 24); // 28 wanted: 32 would not fit the button's face
    EXPECT_EQ(kPictureSizes[PictureSizeIndex(192)], 32);
    EXPECT_EQ(kPictureSizes[PictureSizeIndex(72)], 16); // nothing smaller is stored
}
