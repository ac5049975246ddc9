#include "shell/remove_walk.h"

#include <utility>

namespace shell {

std::vector<std::string> EntriesAfterRemove(std::vector<std::string> entries, const std::vector<int>& selected) {
    auto next = selected.begin();
    size_t removed = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        while (next != selected.end() && *next < static_cast<int>(i))
            ++next;
        if (next != selected.end() && *next == static_cast<int>(i)) {
            ++removed;
            continue;
        }
        if (removed != 0)
            entries[i - removed] = std::move(entries[i]);
    }
    entries.resize(entries.size() - removed);
    return entries;
}

} // namespace shell
