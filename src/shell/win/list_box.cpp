#include "shell/win/list_box.h"

#include <algorithm>

#include "base/exception.h"
#include "base/win/text.h"
#include "shell/fill_order.h"

namespace shell::win {

int CompareAsListBox(LCID locale, const std::wstring& a, const std::wstring& b) {
    const int result = CompareStringW(locale, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                      static_cast<int>(b.size()));
    // 0 means the call failed, which it does only for invalid arguments; call that equal so the
    // ordering stays consistent.
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

std::string SortKey(LCID locale, const std::wstring& entry) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(entry.size());
    const int size = LCMapStringW(locale, flags, entry.c_str(), length, nullptr, 0);
    std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        LCMapStringW(locale, flags, entry.c_str(), length, reinterpret_cast<LPWSTR>(key.data()), size);
    return key;
}

namespace {

std::vector<std::string> SortKeys(LCID locale, const std::vector<std::wstring>& entries) {
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const std::wstring& entry : entries)
        keys.push_back(SortKey(locale, entry));
    return keys;
}

// The order in which the entries stand once inserted one by one. Sort keys order as the comparison
// does and compare as plain bytes, far faster than the comparison itself, which then only checks the
// result.
std::vector<size_t> FillOrder(LCID locale, const std::vector<std::wstring>& entries) {
    std::vector<std::string> keys;
    return ArrivalSortedOrder(
        entries.size(), [&](size_t a, size_t b) { return CompareAsListBox(locale, entries[a], entries[b]); },
        [&] {
            keys = SortKeys(locale, entries);
            return EntryCompare([&](size_t a, size_t b) { return keys[a].compare(keys[b]); });
        });
}

} // namespace

int ListBox::Count() const {
    const LRESULT count = SendMessageA(listBox_, LB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

std::string ListBox::Entry(int index) const {
    // Read in the control's own Unicode and converted here: an ANSI LB_GETTEXT goes through a thunk,
    // which in Wine 8 copies into a fixed 512-character buffer for the version 6 list box.
    return base::win::Narrow(WideEntry(index)); // as an ANSI LB_GETTEXT would give it
}

std::wstring ListBox::WideEntry(int index) const {
    const LRESULT length = SendMessageW(listBox_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(listBox_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(std::min<LRESULT>(copied, length)));
    return text;
}

std::vector<std::string> ListBox::Entries() const {
    std::vector<std::string> entries;
    const int count = Count();
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back(Entry(i));
    return entries;
}

std::vector<int> ListBox::Selection() const {
    const LRESULT count = SendMessageA(listBox_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return {};
    std::vector<int> selected(static_cast<size_t>(count));
    const LRESULT got =
        SendMessageA(listBox_, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(got < 0 ? 0 : static_cast<size_t>(got));
    std::sort(selected.begin(), selected.end());
    return selected;
}

LCID ListBox::Locale() const {
    return static_cast<LCID>(SendMessageW(listBox_, LB_GETLOCALE, 0, 0));
}

bool ListBox::PutAt(int index, const std::wstring& entry) {
    // LB_INSERTSTRING places the entry where told, even in a sorted list box.
    const LRESULT result =
        SendMessageW(listBox_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.c_str()));
    return result >= 0;
}

bool ListBox::Insert(std::string_view entry) {
    // The place the control's own sorting would give, except that an entry equal to others goes after
    // them, so entries equal but for case keep the order in which they came.
    const std::wstring wide = base::win::Widen(entry);
    const LCID locale = Locale();
    const size_t place = InsertionPlace(static_cast<size_t>(Count()), [&](size_t index) {
        return CompareAsListBox(locale, wide, WideEntry(static_cast<int>(index))) < 0;
    });
    return PutAt(static_cast<int>(place), wide);
}

size_t ListBox::InsertAll(const std::vector<std::string_view>& entries) {
    // Sort once and append in that order. Inserting one by one at the sorted place would move every entry
    // behind each insertion, which grows with the square of the count.
    std::vector<std::wstring> wide;
    wide.reserve(entries.size());
    size_t characters = 0;
    for (std::string_view entry : entries) {
        wide.push_back(base::win::Widen(entry));
        characters += wide.back().size() + 1;
    }
    const std::vector<size_t> order = FillOrder(Locale(), wide);
    // Room for all at once; a refusal here is only a missed hint, each insertion still says its own.
    SendMessageW(listBox_, LB_INITSTORAGE, static_cast<WPARAM>(entries.size()),
                 static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (size_t i = 0; i < order.size(); ++i) {
        if (!PutAt(-1, wide[order[i]]))
            return i;
    }
    return order.size();
}

void ListBox::Clear() {
    SendMessageA(listBox_, LB_RESETCONTENT, 0, 0);
}

void ListBox::Add(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (!Insert(path))
            throw base::Exception(kInsertFailedMessage);
    }
}

void ListBox::Refill(const std::vector<std::string_view>& entries) {
    const RedrawSuspension suspended(*this);
    Clear();
    if (InsertAll(entries) != entries.size())
        throw base::Exception(kInsertFailedMessage);
}

ListBox::RedrawSuspension::RedrawSuspension(const ListBox& list) : listBox_(list.listBox_) {
    SendMessageA(listBox_, WM_SETREDRAW, FALSE, 0);
}

ListBox::RedrawSuspension::~RedrawSuspension() {
    SendMessageA(listBox_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(listBox_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
}

} // namespace shell::win
