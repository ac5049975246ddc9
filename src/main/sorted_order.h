#pragma once
// Where entries land in a sorted list in which every new entry goes after the entries equal to it.
// The list control supplies the comparison; these decide the places.
#include <cstddef>
#include <functional>
#include <vector>

namespace shell {

// The place for a new entry among count sorted ones: the first index whose entry the new one sorts
// before, or count. sortsBefore(i) tells whether the new entry sorts strictly before entry i.
size_t InsertionPlace(size_t count, const std::function<bool(size_t index)>& sortsBefore);

// The order in which count entries, arriving in index order into an empty list, stand once all are
// in: a stable sort by less (entries that are equal keep their arrival order). Input that is already
// in order costs count - 1 comparisons.
std::vector<size_t> ArrivalSortedOrder(size_t count, const std::function<bool(size_t a, size_t b)>& less);

} // namespace shell
