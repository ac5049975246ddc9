#pragma once
// The platform's side of a drop: the names an HDROP holds, and the folder walk's file calls. Names come
// from the shell in UTF-16 and go to the list in the ANSI code page; a name the code page can't hold
// comes marked, so it is left out instead of added with "?" in it.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "shell/dropped_documents.h"

namespace shell::win {

// The name in the ANSI code page, exact when converting it back gives the name again (neither a default
// character nor a best-fit look-alike stands in it).
ShellName ToShellName(std::wstring_view name);

// The dropped names, in the drop's order, and the drop given back (DragFinish). An item without a file
// path comes as an empty name.
std::vector<ShellName> TakeDroppedNames(HDROP drop);

// GetFileAttributesW and FindFirstFileW. A reparse point that stands for another name (junction,
// symbolic link) counts as a link; other reparse points (cloud placeholders, deduplicated files) don't.
class FindFileSystem final : public DropFileSystem {
public:
    PathKind Kind(const std::string& path) override;
    std::optional<std::vector<FolderItem>> Items(const std::string& folder) override;
};

} // namespace shell::win
