#pragma once
// Remove's walk over the file list.
#include <string>
#include <vector>

namespace shell {

// The entries that stay when the selected ones go: entries is the whole list in its order, selected the
// selected indexes, ascending (an index given twice or outside the list removes nothing more). The kept
// entries keep their order; they are moved, not copied, as they close up.
std::vector<std::string> EntriesAfterRemove(std::vector<std::string> entries, const std::vector<int>& selected);

} // namespace shell
