#pragma once
// The list file: its text, and what reading or writing it can answer. The text is plain bytes, one entry
// per line, every line ended by CR LF. Reading accepts CR LF, a lone CR or a lone LF as a line end and
// stops at the first NUL byte.
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The file's bytes for these entries, in this order: each entry's bytes, then CR LF. The result is
// exactly the sum of the lengths plus 2 per entry, built in one buffer so it can go out in one write.
std::string EncodeListFile(const std::vector<std::string>& entries);

// The lines of a list file, as views into bytes. A line end at the very end adds no empty line; a
// last line without one is still a line; a NUL byte and everything after it are ignored.
std::vector<std::string_view> DecodeListFile(std::string_view bytes);

// A list file is read or written whole, in one piece, and is open only for that one read or write. The
// file store answers with one of these results; the commands turn them into messages.
enum class FileResult {
    Ok,
    CannotOpen,   // the file could not be opened for reading (gone, or open for writing elsewhere)
    ReadFailed,   // it opened, but its bytes could not all be read
    CannotCreate, // the file could not be created or opened for writing (folder gone, read-only, in use)
    WriteFailed,  // the new text could not all be written and flushed (disk full, share gone)
    KeptBeside,   // the new text is whole on disk but could not take the list file's name: it stays in the
                  // temporary file beside it, which may be its one copy (the list file may be gone)
};

// The message a failed result shows in the error box; path is the list file's full path.
std::string FileResultMessage(FileResult result, const std::string& path);

// The name of the file into which a Save writes the new text before it takes the place of the list file
// at path: "~list.txt.vantrel-tmp" for "C:\Lists\list.txt", a name no one takes for a list and that
// Open's "*.txt" filter doesn't show. It lies beside the file the list file's name leads to.
std::string TemporaryListFileName(const std::string& path);

} // namespace shell
