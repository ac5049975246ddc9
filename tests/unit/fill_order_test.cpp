#include <gtest/gtest.h>

#include <cctype>

#include "shell/fill_order.h"

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

int CompareFirstLetter(const Strings& keys, size_t a, size_t b) {
    return std::tolower(keys[a][0]) - std::tolower(keys[b][0]);
}

TEST(SortedOrderTest, EqualEntriesKeepTheirArrivalOrder) {
    const Strings keys{"b", "a", "B", "A", "a"};
    const auto order =
        shell::ArrivalSortedOrder(keys.size(), [&](size_t x, size_t y) { return CompareFirstLetter(keys, x, y); });
    EXPECT_EQ(order, (std::vector<size_t>{1, 3, 4, 0, 2}));
}

TEST(SortedOrderTest, InputAlreadyInOrderCostsOneComparisonPerNeighbour) {
    int comparisons = 0;
    bool quickMade = false;
    const auto order = shell::ArrivalSortedOrder(
        1000,
        [&](size_t x, size_t y) {
            ++comparisons;
            return static_cast<int>(x / 3) - static_cast<int>(y / 3);
        },
        [&] {
            quickMade = true;
            return shell::EntryCompare([](size_t, size_t) { return 0; });
        });
    EXPECT_EQ(comparisons, 999);
    EXPECT_FALSE(quickMade);
    for (size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(order[i], i);
}

TEST(SortedOrderTest, AQuickComparisonThatAgreesIsOnlyCheckedWithTheSlowOne) {
    Strings keys;
    for (int i = 0; i < 500; ++i)
        keys.push_back(std::string(1, static_cast<char>("qWeRtYaB"[(i * 7) % 8])));
    int slowCalls = 0;
    const auto slow = [&](size_t x, size_t y) {
        ++slowCalls;
        return CompareFirstLetter(keys, x, y);
    };
    const auto order = shell::ArrivalSortedOrder(keys.size(), slow, [&] {
        return shell::EntryCompare([&](size_t x, size_t y) { return CompareFirstLetter(keys, x, y); });
    });
    EXPECT_LE(slowCalls, 2 * 499) << "one failed check of the arrival order and one check of the quick result";
    EXPECT_EQ(order, shell::ArrivalSortedOrder(keys.size(), slow));
}

TEST(SortedOrderTest, AQuickComparisonThatDisagreesGivesWayToTheSlowOne) {
    const Strings keys{"b", "a", "B", "A", "c", "a"};
    const auto compare = [&](size_t x, size_t y) { return CompareFirstLetter(keys, x, y); };
    // Case-sensitive: it puts "A" and "B" before every lower-case letter.
    const auto byBytes = [&] {
        return shell::EntryCompare([&](size_t x, size_t y) { return keys[x].compare(keys[y]); });
    };
    EXPECT_EQ(shell::ArrivalSortedOrder(keys.size(), compare, byBytes), (std::vector<size_t>{1, 3, 5, 0, 2, 4}));
    // Equal for everything: the ties it leaves in arrival order are not the sorted order either.
    const auto allEqual = [] { return shell::EntryCompare([](size_t, size_t) { return 0; }); };
    EXPECT_EQ(shell::ArrivalSortedOrder(keys.size(), compare, allEqual), (std::vector<size_t>{1, 3, 5, 0, 2, 4}));
}

TEST(SortedOrderTest, TheArrivalOrderCheckWantsTiesInTheOrderTheyCame) {
    const Strings keys{"a", "A", "b"};
    const auto compare = [&](size_t x, size_t y) { return CompareFirstLetter(keys, x, y); };
    EXPECT_TRUE(shell::IsArrivalOrder({0, 1, 2}, compare));
    EXPECT_FALSE(shell::IsArrivalOrder({1, 0, 2}, compare));
    EXPECT_FALSE(shell::IsArrivalOrder({0, 2, 1}, compare));
    EXPECT_TRUE(shell::IsArrivalOrder({}, compare));
}

} // namespace
