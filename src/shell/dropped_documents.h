#pragma once
// What a drop of files and folders from the desktop shell gives the file list: each dropped file as it is
// (as the Add dialog takes any file it shows), and the parts, assemblies and drawings inside each dropped
// folder and its subfolders. The walk reads folders through a seam at the platform's folder listing. Paths
// are in the ANSI code page, as the list holds them; the platform side says which names the code page
// can't hold, and those are left out rather than added with "?" in them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The longest entry the list holds, in bytes: entries are read back through a buffer of 4,096 bytes.
inline constexpr size_t kLongestEntry = 4095;

// True for the names the Add dialog's document filter shows: .prt .sldprt .asm .sldasm .drw .slddrw in
// any case. Safe for double-byte code pages: "." is never part of a double-byte character, so the bytes
// after the last one are single-byte characters.
bool IsDocumentName(std::string_view name);

// folder + "\" + name; a drive's root ("D:\") has its "\" already. Only the drive letter form is looked
// at, since the last byte of a double-byte character may be "\".
std::string JoinPath(const std::string& folder, std::string_view name);

// A name as the platform gave it, in the ANSI code page.
struct ShellName {
    std::string text; // characters the code page lacks stand as "?"
    bool exact = true;
};

enum class PathKind { File, Folder, Missing };

struct FolderItem {
    ShellName name;
    bool folder = false;
    bool link = false; // a junction or symbolic link: a folder behind one is not walked (it may loop)
};

// The platform's file calls the walk needs.
class DropFileSystem {
public:
    virtual PathKind Kind(const std::string& path) = 0;
    // The items of a folder, "." and ".." left out; nothing when the folder can't be read.
    virtual std::optional<std::vector<FolderItem>> Items(const std::string& folder) = 0;

protected:
    ~DropFileSystem() = default;
};

enum class LeftOutReason { NotInCodePage, TooLong, Unreadable, NoDocuments, NotAFile };

struct LeftOut {
    LeftOutReason reason;
    std::string path;
};

struct DroppedDocuments {
    std::vector<std::string> paths; // to add, in the order found
    std::vector<LeftOut> leftOut;
};

// dropped: the names of the drop, in its order. A dropped folder is walked into even when it is a link;
// links inside it are not.
DroppedDocuments GatherDroppedDocuments(const std::vector<ShellName>& dropped, DropFileSystem& files);

// The error box's text naming what a drop left out and why (the first ten, then how many more); empty
// when nothing was left out.
std::string LeftOutMessage(const std::vector<LeftOut>& leftOut);

} // namespace shell
