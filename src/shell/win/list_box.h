#pragma once
// The file list: the main window's LISTBOX (LBS_SORT | LBS_EXTENDEDSEL), which holds the entries; there is
// no second copy. Entries are read back whole and placed by the control's own comparison, each new entry
// after the entries equal to it, so entries equal but for case keep the order in which they came.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace shell::win {

// The message when the control refuses an entry (no room).
inline constexpr char kInsertFailedMessage[] = "Unable to insert a line";

class ListBox {
public:
    explicit ListBox(HWND listBox) : listBox_(listBox) {}

    int Count() const;
    // The whole entry, however long; empty for an index outside the list.
    std::string Entry(int index) const;
    // Every entry, in list order.
    std::vector<std::string> Entries() const;
    // The selected indexes, ascending.
    std::vector<int> Selection() const;

    // Puts entry at its sorted place; false when the control refuses it.
    bool Insert(std::string_view entry);
    // Fills the empty list with the entries, in the order that inserting them one by one would give.
    // Returns how many went in before the control refused one: entries.size() when all did.
    size_t InsertAll(const std::vector<std::string_view>& entries);
    // Removes every entry; afterwards nothing is selected.
    void Clear();

    // Inserts the paths one by one, in their order, each drawn as it goes in. Throws
    // base::Exception(kInsertFailedMessage) at the first one the control refuses: those before it stay,
    // the rest are dropped.
    void Add(const std::vector<std::string>& paths);
    // Replaces every entry by these, drawn once when all are in (also when one is refused, which throws
    // as Add does).
    void Refill(const std::vector<std::string_view>& entries);

    // Keeps the list from being drawn for one scope; it is drawn again once, even when the scope ends by
    // a failure.
    class RedrawSuspension {
    public:
        explicit RedrawSuspension(const ListBox& list);
        ~RedrawSuspension();
        RedrawSuspension(const RedrawSuspension&) = delete;
        RedrawSuspension& operator=(const RedrawSuspension&) = delete;

    private:
        HWND listBox_;
    };

private:
    std::wstring WideEntry(int index) const;
    // The locale the control sorts in.
    LCID Locale() const;
    // Places an entry at index without asking the control to sort it; false when refused.
    bool PutAt(int index, const std::wstring& entry);

    HWND listBox_;
};

// The LISTBOX's comparison of two entries: CompareStringW in the control's locale, ignoring case.
// Negative, zero or positive.
int CompareAsListBox(LCID locale, const std::wstring& a, const std::wstring& b);

// The entry's sort key for that comparison (LCMapStringW): comparing two keys as bytes orders the
// entries as CompareAsListBox does.
std::string SortKey(LCID locale, const std::wstring& entry);

} // namespace shell::win
