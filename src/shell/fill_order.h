#pragma once
// Where entries land in the file list, and in which order a fill puts them. The list control keeps the
// entries and compares them: ascending, without regard to case, each new entry after the entries equal to
// it. These decide the places from the control's comparison, so a fill of thousands of entries costs one
// sort instead of one sorted insertion each. Entries are addressed by index, 0 to count - 1.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace shell {

// Compares the entries at two indexes: negative, zero or positive.
using EntryCompare = std::function<int(size_t a, size_t b)>;

// The place for a new entry among count sorted ones: the first index whose entry the new one sorts
// before, or count. sortsBefore(i) tells whether the new entry sorts strictly before entry i.
size_t InsertionPlace(size_t count, const std::function<bool(size_t index)>& sortsBefore);

// Whether order (indexes of entries in the order they arrived) is how they stand once all are in:
// ascending by compare, and entries that compare equal in the order they arrived. One call of
// compare per neighbouring pair.
bool IsArrivalOrder(const std::vector<size_t>& order, const EntryCompare& compare);

// How count entries, arriving in index order into an empty list, stand once all are in: a stable sort
// by compare. Entries already in order cost count - 1 comparisons.
std::vector<size_t> ArrivalSortedOrder(size_t count, const EntryCompare& compare);

// The same order, found with few calls of compare when it is slow: the entries are sorted by a quick
// comparison that normally agrees with it (made by makeQuick only when the entries are not already in
// order), then the result is checked with compare; only when the check fails are they sorted by
// compare itself.
std::vector<size_t> ArrivalSortedOrder(size_t count, const EntryCompare& compare,
                                       const std::function<EntryCompare()>& makeQuick);

// What Remove refills the list with: the entries that stay when the selected ones go. entries is the whole
// list in its order, selected the selected indexes, ascending (an index given twice or outside the list
// removes nothing more). The kept entries keep their order; they are moved, not copied, as they close up.
std::vector<std::string> EntriesAfterRemove(std::vector<std::string> entries, const std::vector<int>& selected);

} // namespace shell
