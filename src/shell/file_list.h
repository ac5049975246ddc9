#pragma once
// The file list as the commands and the print run see it. The list control keeps the entries (there
// is no second copy) and decides their order: ascending, without regard to case, each new entry
// after the entries equal to it. Entries are addressed by index, 0 to Count() - 1.
#include <cstddef>
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

} // namespace shell
