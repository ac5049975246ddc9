#pragma once
// Remove's walk over the file list.
#include <string>
#include <vector>

namespace shell {

// The entries that stay when the selected ones go. entries is the copy of the whole list in list
// order; selected holds the selected indexes, ascending. Walking the indexes i with the count r of
// entries removed so far, the entry at i - r of the copy goes for every selected i; the kept entries
// close up in place, in their order.
std::vector<std::string> EntriesAfterRemove(std::vector<std::string> entries, const std::vector<int>& selected);

} // namespace shell
