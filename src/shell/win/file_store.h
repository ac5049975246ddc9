#pragma once
// List files through the Win32 file calls. Reading shares the file with readers only. Writing leaves the
// previous list or the new one under the list file's name, never a mix: the new text goes into a
// temporary file beside it, is flushed, and then takes the list file's place with ReplaceFileW, which on
// Windows keeps the list file's ACL, attributes, creation time, named streams and encryption. A name that
// is a symbolic link or junction stays one: the file it leads to is the one replaced, in its own folder.
// A list file with more hard links, one this user may not delete, one beside which no file can be
// created, or one the file system won't replace, is rewritten in place instead.
#include <windows.h>

#include <cstdint>
#include <string>

#include "shell/list_file.h"

namespace base::win {
class KernelHandle;
}

namespace shell::win {

class TemporaryFile;

class FileStore {
public:
    virtual ~FileStore() = default;

    // Reads all of the file's bytes with one read, sharing the file with other readers only.
    FileResult ReadWhole(const std::string& path, std::string& bytes);
    // Makes bytes the file's whole contents. A file open elsewhere or read-only is refused before anything
    // is written; a write that fails (a full disk, a share gone) leaves the previous contents as they
    // were. The file keeps what makes it the user's (links, permissions, attributes).
    FileResult WriteWhole(const std::string& path, std::string_view bytes);

protected:
    // The raw calls, one each: ReadFile, WriteFile, FlushFileBuffers, ReplaceFileW and MoveFileExW (which
    // never replaces). Tests override them to make one fail, or to end the process there.
    virtual bool ReadBytes(HANDLE file, char* buffer, DWORD size, DWORD& read);
    virtual bool WriteBytes(HANDLE file, const char* bytes, DWORD size, DWORD& written);
    virtual bool FlushBytes(HANDLE file);
    virtual bool Replace(const std::wstring& replaced, const std::wstring& replacement);
    virtual bool Rename(const std::wstring& from, const std::wstring& to);

private:
    FileResult WriteFresh(const std::wstring& path, const std::string& listFileName, std::string_view bytes);
    FileResult WriteDirectly(const std::wstring& path, std::string_view bytes);
    FileResult WriteReplacing(base::win::KernelHandle& list, const std::wstring& path,
                              const std::wstring& temporaryPath, std::string_view bytes);
    FileResult AfterFailedReplace(const std::wstring& path, TemporaryFile& temporary, std::string_view bytes);
    FileResult WriteInPlace(HANDLE file, std::string_view bytes);
    // Fills the temporary file, flushes it and clears its hidden attribute, then closes it.
    bool Fill(TemporaryFile& temporary, std::string_view bytes);
    bool ReadAll(HANDLE file, std::string& bytes);
    bool WriteAll(HANDLE file, uint64_t offset, std::string_view bytes);
    bool Flush(HANDLE file);
};

} // namespace shell::win
