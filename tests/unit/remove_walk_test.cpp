#include <gtest/gtest.h>

#include <cctype>

#include "remove_walk.h"
#include "sorted_order.h"

using shell::EntriesAfterRemove;

namespace {

using Strings = std::vector<std::string>;

const Strings kFive{"a", "b", "c", "d", "e"};

TEST(RemoveWalkTest, TheSelectedIndexesGoAndTheRestKeepTheirOrder) {
    EXPECT_EQ(EntriesAfterRemove(kFive, {0}), (Strings{"b", "c", "d", "e"}));
    EXPECT_EQ(EntriesAfterRemove(kFive, {4}), (Strings{"a", "b", "c", "d"}));
    EXPECT_EQ(EntriesAfterRemove(kFive, {1, 2, 3}), (Strings{"a", "e"}));
    EXPECT_EQ(EntriesAfterRemove(kFive, {0, 2, 4}), (Strings{"b", "d"}));
    EXPECT_EQ(EntriesAfterRemove(kFive, {0, 1, 2, 3, 4}), Strings{});
    EXPECT_EQ(EntriesAfterRemove(kFive, {}), kFive);
}

TEST(RemoveWalkTest, EqualEntriesGoByPositionNotByText) {
    EXPECT_EQ(EntriesAfterRemove({"a", "A", "a", "b"}, {2}), (Strings{"a", "A", "b"}));
}

TEST(RemoveWalkTest, EverySecondOfManyLeavesTheOthersInOrder) {
    Strings entries;
    std::vector<int> selected;
    for (int i = 0; i < 100000; ++i) {
        entries.push_back(std::to_string(i));
        if (i % 2 == 1)
            selected.push_back(i);
    }
    const Strings kept = EntriesAfterRemove(entries, selected);
    ASSERT_EQ(kept.size(), 50000u);
    for (size_t i = 0; i < kept.size(); ++i)
        ASSERT_EQ(kept[i], std::to_string(2 * i));
}

TEST(SortedOrderTest, ANewEntryLandsAfterTheEntriesEqualToIt) {
    const std::vector<int> sorted{1, 2, 2, 2, 5};
    const auto place = [&](int value) {
        return shell::InsertionPlace(sorted.size(), [&](size_t i) { return value < sorted[i]; });
    };
    EXPECT_EQ(place(2), 4u);
    EXPECT_EQ(place(0), 0u);
    EXPECT_EQ(place(3), 4u);
    EXPECT_EQ(place(9), 5u);
    EXPECT_EQ(shell::InsertionPlace(0, [](size_t) { return true; }), 0u);
}

TEST(SortedOrderTest, EqualEntriesKeepTheirArrivalOrder) {
    const Strings keys{"b", "a", "B", "A", "a"};
    const auto order = shell::ArrivalSortedOrder(
        keys.size(), [&](size_t x, size_t y) { return std::tolower(keys[x][0]) < std::tolower(keys[y][0]); });
    EXPECT_EQ(order, (std::vector<size_t>{1, 3, 4, 0, 2}));
}

TEST(SortedOrderTest, InputAlreadyInOrderCostsOneComparisonPerNeighbour) {
    int comparisons = 0;
    const auto order = shell::ArrivalSortedOrder(1000, [&](size_t x, size_t y) {
        ++comparisons;
        return x / 3 < y / 3;
    });
    EXPECT_EQ(comparisons, 999);
    for (size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(order[i], i);
}

} // namespace
