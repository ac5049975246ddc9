#pragma once
// The sorted file list: the seam over the list control that keeps the entries, where new entries land
// in its order, and which entries Remove keeps. The control keeps the entries (there is no second copy)
// and decides their order: ascending, without regard to case, each new entry after the entries equal to
// it. Entries are addressed by index, 0 to Count() - 1.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

class FileList {
public:
    virtual int Count() const = 0;
    // The whole entry, however long.
    virtual std::string Entry(int index) const = 0;
    // The selected indexes, ascending.
    virtual std::vector<int> Selection() const = 0;

    // Puts entry at its sorted place; false when the control refuses it.
    virtual bool Insert(std::string_view entry) = 0;
    // Fills the empty list with the entries, in the order that inserting them one by one would give.
    // Returns how many went in before the control refused one: entries.size() when all did.
    virtual size_t InsertAll(const std::vector<std::string_view>& entries) = 0;
    // Removes every entry; afterwards nothing is selected.
    virtual void Clear() = 0;

    // While suspended the list is not redrawn; resuming redraws it once.
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;

protected:
    ~FileList() = default;
};

// Keeps the list from redrawing for one scope; it redraws again even when the scope ends by a failure.
class RedrawSuspension {
public:
    explicit RedrawSuspension(FileList& list) : list_(list) { list_.SuspendRedraw(); }
    ~RedrawSuspension() { list_.ResumeRedraw(); }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

private:
    FileList& list_;
};

// Where entries land in a sorted list in which every new entry goes after the entries equal to it. The
// list control supplies the comparison; these decide the places.

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

// Remove: the entries that stay when the selected ones go: entries is the whole list in its order, selected the
// selected indexes, ascending (an index given twice or outside the list removes nothing more). The kept
// entries keep their order; they are moved, not copied, as they close up.
std::vector<std::string> EntriesAfterRemove(std::vector<std::string> entries, const std::vector<int>& selected);

} // namespace shell
