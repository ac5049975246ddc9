#include "sorted_order.h"

#include <algorithm>
#include <numeric>

namespace shell {

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

std::vector<size_t> ArrivalSortedOrder(size_t count, const std::function<bool(size_t a, size_t b)>& less) {
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), size_t{0});
    if (!std::is_sorted(order.begin(), order.end(), less))
        std::stable_sort(order.begin(), order.end(), less);
    return order;
}

} // namespace shell
