#pragma once
// Where entries land in a sorted list in which every new entry goes after the entries equal to it.
// The list control supplies the comparison; these decide the places.
#include <cstddef>
#include <functional>
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

} // namespace shell
