#include "shell/fill_order.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace shell {

namespace {

std::vector<size_t> ArrivalIndexes(size_t count) {
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), size_t{0});
    return order;
}

void StableSort(std::vector<size_t>& order, const EntryCompare& compare) {
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return compare(a, b) < 0; });
}

} // namespace

size_t InsertionPlace(size_t count, const std::function<bool(size_t index)>& sortsBefore) {
    size_t low = 0;
    size_t high = count;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (sortsBefore(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

bool IsArrivalOrder(const std::vector<size_t>& order, const EntryCompare& compare) {
    for (size_t i = 1; i < order.size(); ++i) {
        const int result = compare(order[i - 1], order[i]);
        if (result > 0 || (result == 0 && order[i - 1] > order[i]))
            return false;
    }
    return true;
}

std::vector<size_t> ArrivalSortedOrder(size_t count, const EntryCompare& compare) {
    std::vector<size_t> order = ArrivalIndexes(count);
    if (!IsArrivalOrder(order, compare))
        StableSort(order, compare);
    return order;
}

std::vector<size_t> ArrivalSortedOrder(size_t count, const EntryCompare& compare,
                                       const std::function<EntryCompare()>& makeQuick) {
    std::vector<size_t> order = ArrivalIndexes(count);
    if (IsArrivalOrder(order, compare))
        return order;
    StableSort(order, makeQuick());
    if (IsArrivalOrder(order, compare))
        return order;
    return ArrivalSortedOrder(count, compare);
}

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
