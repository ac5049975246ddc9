#include "shell/help_context.h"

#include "res/help_contexts.h"

namespace shell {
namespace {

const MenuHelpEntry* FindEntry(const MenuHelpEntry* table, size_t count, int id) {
    for (size_t i = 0; i < count; ++i) {
        if (table[i].id == id)
            return &table[i];
    }
    return nullptr;
}

} // namespace

std::optional<int> ControlHelpContext(const std::vector<int>& contextsUpTheChain) {
    for (int context : contextsUpTheChain) {
        if (context != 0)
            return context;
    }
    return std::nullopt;
}

int MenuItemHelpContext(const MenuHelpEntry* table, size_t count, int itemId) {
    // Each step goes one level out; a table can't be deeper than it is long, so a malformed table whose
    // enclosing ids form a loop still ends.
    const MenuHelpEntry* entry = FindEntry(table, count, itemId);
    for (size_t depth = 0; entry && depth < count; ++depth) {
        if (entry->helpContext != 0)
            return entry->helpContext;
        if (entry->enclosingId == 0)
            break;
        entry = FindEntry(table, count, entry->enclosingId);
    }
    return 0;
}

const char* HelpTopicPage(int context) {
    for (const HelpTopic& topic : kHelpTopics) {
        if (topic.context == context)
            return topic.page;
    }
    return nullptr;
}

} // namespace shell
