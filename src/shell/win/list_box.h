#pragma once
// The file list over the main window's LISTBOX (LBS_SORT | LBS_EXTENDEDSEL). The control holds the
// entries; this adapter reads them back whole and places new ones by the control's own comparison.
#include <windows.h>

#include <string>

#include "shell/sorted_list.h"

namespace shell::win {

class ListBoxFileList final : public FileList {
public:
    explicit ListBoxFileList(HWND listBox) : listBox_(listBox) {}

    int Count() const override;
    std::string Entry(int index) const override;
    std::vector<int> Selection() const override;
    bool Insert(std::string_view entry) override;
    size_t InsertAll(const std::vector<std::string_view>& entries) override;
    void Clear() override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;

    HWND Handle() const { return listBox_; }

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
