#pragma once
// The main window's layout as data: its frame, every control, the tool buttons and the help contexts of
// the menu items, all in 96-dpi client pixels, and which help topic F1 asks for. The Windows side builds
// the window from these tables and scales them to the window's dpi; nothing here knows about window
// handles.
#include <cstddef>
#include <optional>
#include <vector>

#include "forms/control_layout.h"

namespace shell {

inline constexpr int kClientWidth = 742;
inline constexpr int kClientHeight = 443;
inline constexpr int kListItemHeight = 13;

inline constexpr char kStartTitle[] = "Vantrel v2.0";
inline constexpr char kRunTitle[] = "Vantrel v2.2";
inline constexpr char kHelpFile[] = "Vantrel.hlp";
inline constexpr char kWelcomeText[] = "Welcome to Vantrel";

// In tab order: the window creates them in this order, so Tab visits them so. A push button's id is the
// command its click raises (CMD_*).
extern const forms::ControlLayout kControls[];
extern const size_t kControlCount;

struct ToolButtonLayout {
    const char* name;
    int command; // its window id, which its click raises
    int left;
    const char* hint;
};

inline constexpr int kToolButtonTop = 4;
inline constexpr int kToolButtonSize = 25;

// Left to right along the tool bar, the order of their images in the picture strips (IDB_TOOLBAR_*).
extern const ToolButtonLayout kToolButtons[];
extern const size_t kToolButtonCount;

// A menu item's help context and the item whose drop-down holds it (0 for the menu bar's own items).
struct MenuHelpEntry {
    int id;
    int enclosingId;
    int helpContext; // 0: none
};

extern const MenuHelpEntry kMenuHelp[];
extern const size_t kMenuHelpCount;

// Which help topic F1 asks for, and the page of the compiled help that shows it.

// With the focus on a control: the first context other than 0 on the chain from the focused control up
// through its parents to the window; none when the whole chain has none (F1 then does nothing).
std::optional<int> ControlHelpContext(const std::vector<int>& contextsUpTheChain);

// With a menu item highlighted: the item's own context, else that of the nearest enclosing item that has
// one, else 0. An id the table doesn't know counts as an item without a context.
int MenuItemHelpContext(const MenuHelpEntry* table, size_t count, int itemId);

// The page of a context number (res/help_contexts.h); null for 0 and for a number without a page, which
// the help shows as its default topic.
const char* HelpTopicPage(int context);

} // namespace shell
