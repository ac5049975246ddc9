#pragma once
// Which help topic F1 asks for, and the page of the compiled help that shows it.
#include <optional>
#include <vector>

#include "shell/main_window_layout.h"

namespace shell {

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
