#pragma once
// The files seam: a list file is read or written whole, in one piece, and is open only for that one
// read or write. The platform answers with one of these results; the commands turn them into messages.
#include <string>
#include <string_view>

namespace shell {

enum class FileResult {
    Ok,
    CannotOpen,   // the file could not be opened for reading (gone, or open for writing elsewhere)
    ReadFailed,   // it opened, but its bytes could not all be read
    CannotCreate, // the file could not be created or opened for writing (folder gone, read-only, in use)
    WriteFailed,  // the new text could not all be written and flushed (disk full, share gone)
};

class ListFiles {
public:
    // Reads all of the file's bytes with one read, sharing the file with other readers only.
    virtual FileResult ReadWhole(const std::string& path, std::string& bytes) = 0;
    // Makes bytes the file's whole contents. A file open elsewhere or read-only is refused before anything
    // is written; a write that fails (a full disk, a share gone) leaves the previous contents as they
    // were. The file keeps what makes it the user's (links, permissions, attributes).
    virtual FileResult WriteWhole(const std::string& path, std::string_view bytes) = 0;

protected:
    ~ListFiles() = default;
};

// The message a failed result shows in the error box; path is the list file's full path.
std::string FileResultMessage(FileResult result, const std::string& path);

} // namespace shell
