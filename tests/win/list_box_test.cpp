// The file list over a real LISTBOX: its order, its read-back and its selection, and the order that
// the one-pass fill gives compared with the control's own sorted insertion.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "base/win/text.h"
#include "shell/win/list_box.h"
#include "support/win/main_window_list_box.h"

using base::win::Widen;
using shell::win::CompareAsListBox;
using shell::win::ListBox;
using shell::win::SortKey;

namespace {

using Strings = std::vector<std::string>;

// The entries as the control itself sorts them when each arrives through LB_ADDSTRING.
Strings SortedByTheControl(const Strings& arrivals) {
    support::win::MainWindowListBox box;
    for (const std::string& entry : arrivals)
        SendMessageA(box.Get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    return ListBox(box.Get()).Entries();
}

std::vector<std::string_view> Views(const Strings& strings) {
    return {strings.begin(), strings.end()};
}

// Paths made of pieces that never compare equal but for case, with some exact repeats.
Strings DistinctPaths(size_t count, unsigned seed) {
    static const char* const pieces[] = {"C:\\", "parts", "_", "-", " ", "asm", "drw", "10", "9",
                                         ".",    "\xE9",  "z", "~", "!", "b",   "'",   "0"};
    std::mt19937 random(seed);
    Strings paths;
    while (paths.size() < count) {
        std::string path;
        const int length = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < length; ++i)
            path += pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
        paths.push_back(path);
        if (random() % 8 == 0)
            paths.push_back(path);
    }
    return paths;
}

TEST(ListBoxTest, EntriesSortWithoutCaseEqualOnesSideBySideAndTheEmptyOneFirst) {
    support::win::MainWindowListBox box;
    ListBox list(box.Get());
    for (const char* entry : {"b.prt", "A.prt", "a.prt", "", "B.prt", "a.prt", "c"})
        ASSERT_TRUE(list.Insert(entry));
    EXPECT_EQ(list.Entries(), (Strings{"", "A.prt", "a.prt", "a.prt", "b.prt", "B.prt", "c"}))
        << "entries equal but for case stand in the order they came";
}

TEST(ListBoxTest, TheOnePassFillGivesTheOrderOfInsertingOneByOne) {
    Strings arrivals = DistinctPaths(400, 7);
    for (const char* variant : {"C:\\PARTS", "c:\\parts", "C:\\Parts", "", "\xC9", "\xE9", "", "A", "a"})
        arrivals.push_back(variant);
    std::shuffle(arrivals.begin(), arrivals.end(), std::mt19937(11));

    support::win::MainWindowListBox one, all;
    ListBox oneByOne(one.Get()), onePass(all.Get());
    for (const std::string& entry : arrivals)
        ASSERT_TRUE(oneByOne.Insert(entry));
    ASSERT_EQ(onePass.InsertAll(Views(arrivals)), arrivals.size());
    EXPECT_EQ(onePass.Entries(), oneByOne.Entries());
}

TEST(ListBoxTest, TheOrderIsTheControlsOwnSortingOrder) {
    Strings arrivals = DistinctPaths(400, 3);
    support::win::MainWindowListBox box;
    ListBox list(box.Get());
    ASSERT_EQ(list.InsertAll(Views(arrivals)), arrivals.size());
    EXPECT_EQ(list.Entries(), SortedByTheControl(arrivals))
        << "with no entries equal but for case, the order must be exactly the control's";
}

TEST(ListBoxTest, EntriesEqualButForCaseAreTheOnlyOnesWhoseOrderMayDifferFromTheControls) {
    Strings arrivals = DistinctPaths(200, 5);
    for (size_t i = 0; i < 60; i += 3)
        arrivals[i] = "C:\\Parts\\Same.PRT";
    for (size_t i = 1; i < 60; i += 3)
        arrivals[i] = "c:\\parts\\same.prt";
    support::win::MainWindowListBox box;
    ListBox list(box.Get());
    ASSERT_EQ(list.InsertAll(Views(arrivals)), arrivals.size());
    const Strings ours = list.Entries();
    const Strings theirs = SortedByTheControl(arrivals);
    ASSERT_EQ(ours.size(), theirs.size());
    const LCID locale = static_cast<LCID>(SendMessageA(box.Get(), LB_GETLOCALE, 0, 0));
    for (size_t i = 0; i < ours.size(); ++i)
        ASSERT_EQ(CompareAsListBox(locale, Widen(ours[i]), Widen(theirs[i])), 0) << i;
}

TEST(ListBoxTest, SortKeysOrderPathsAsTheControlsComparisonDoes) {
    // The one-pass fill sorts by sort keys and falls back to the slow comparison when they disagree;
    // for paths such as users gather they must agree, or the fill loses its speed.
    Strings paths = DistinctPaths(300, 13);
    for (const char* variant : {"C:\\PARTS", "c:\\parts", "", "\xC9", "\xE9", "a-b", "ab", "a b", "a'b"})
        paths.push_back(variant);
    const LCID locale = GetUserDefaultLCID();
    const auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (const std::string& a : paths) {
        for (const std::string& b : paths) {
            const std::wstring wa = Widen(a), wb = Widen(b);
            ASSERT_EQ(sign(SortKey(locale, wa).compare(SortKey(locale, wb))), sign(CompareAsListBox(locale, wa, wb)))
                << a << " / " << b;
        }
    }
}

TEST(ListBoxTest, EntriesLongerThanAFixedBufferComeBackWhole) {
    support::win::MainWindowListBox box;
    ListBox list(box.Get());
    const std::string longest(10000, 'x'), limit(4095, 'w'), over(4096, 'y');
    for (const std::string* entry : {&longest, &limit, &over})
        ASSERT_TRUE(list.Insert(*entry));
    EXPECT_EQ(list.Entries(), (Strings{limit, longest, over}));
}

TEST(ListBoxTest, HighBytesComeBackAsTheyWentIn) {
    support::win::MainWindowListBox box;
    ListBox list(box.Get());
    ASSERT_TRUE(list.Insert("C:\\\xE9t\xE9\\\xC0 b.prt"));
    EXPECT_EQ(list.Entry(0), "C:\\\xE9t\xE9\\\xC0 b.prt");
}

TEST(ListBoxTest, SelectionListsTheSelectedIndexesAndClearEmptiesIt) {
    support::win::MainWindowListBox box;
    ListBox list(box.Get());
    for (const char* entry : {"a", "b", "c", "d"})
        ASSERT_TRUE(list.Insert(entry));
    EXPECT_TRUE(list.Selection().empty());
    SendMessageA(box.Get(), LB_SETSEL, TRUE, 3);
    SendMessageA(box.Get(), LB_SETSEL, TRUE, 1);
    EXPECT_EQ(list.Selection(), (std::vector<int>{1, 3}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.Selection().empty());
    EXPECT_EQ(list.Entry(0), "") << "an index out of range reads as nothing";
}

} // namespace
