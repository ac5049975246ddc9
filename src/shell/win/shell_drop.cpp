#include "shell/win/shell_drop.h"

#include "base/win/owners.h"
#include "base/win/system_library.h"
#include "base/win/text.h"

namespace shell::win {

namespace {

using base::win::Narrow;
using base::win::Widen;

struct FindCloser {
    void operator()(HANDLE search) const { FindClose(search); }
};

bool IsLink(const WIN32_FIND_DATAW& found) {
    // For a reparse point, FindFirstFileW gives its tag in dwReserved0.
    return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(found.dwReserved0);
}

bool IsDotOrDotDot(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

} // namespace

ShellName ToShellName(std::wstring_view name) {
    ShellName converted{Narrow(name), true};
    converted.exact = Widen(converted.text) == name;
    return converted;
}

std::vector<ShellName> TakeDroppedNames(HDROP drop) {
    using base::win::shell32::DragQueryFileW;
    std::vector<ShellName> names;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    names.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(copied <= length ? copied : 0);
        names.push_back(ToShellName(name));
    }
    base::win::shell32::DragFinish(drop);
    return names;
}

PathKind FindFileSystem::Kind(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

std::optional<std::vector<FolderItem>> FindFileSystem::Items(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE first = FindFirstFileW(Widen(JoinPath(folder, "*")).c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) {
        // A drive's root has no "." or "..", so an empty one finds nothing at all.
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return std::vector<FolderItem>{};
        return std::nullopt;
    }
    const base::win::OwnedHandle<HANDLE, FindCloser> search(first);
    std::vector<FolderItem> items;
    do {
        if (!IsDotOrDotDot(found.cFileName))
            items.push_back({ToShellName(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                             IsLink(found)});
    } while (FindNextFileW(search.Get(), &found));
    return items;
}

} // namespace shell::win
