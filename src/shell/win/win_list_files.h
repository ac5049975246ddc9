#pragma once
// List files through the Win32 file calls. Reading shares the file with readers only; writing holds
// the file exclusively and rewrites it in place, growing it to its new size before the first old byte
// is overwritten, so a full disk leaves the previous list as it was.
#include <windows.h>

#include <cstdint>

#include "shell/list_files.h"

namespace shell::win {

class WinListFiles : public ListFiles {
public:
    virtual ~WinListFiles() = default;

    FileResult ReadWhole(const std::string& path, std::string& bytes) override;
    FileResult WriteWhole(const std::string& path, std::string_view bytes) override;

protected:
    // The one read and the one write. Tests override them to make a read or a write come up short.
    virtual bool ReadBytes(HANDLE file, char* buffer, DWORD size, DWORD& read);
    virtual bool WriteBytes(HANDLE file, const char* bytes, DWORD size, DWORD& written);

private:
    // Writes all of bytes at offset with one write.
    bool WriteAll(HANDLE file, uint64_t offset, std::string_view bytes);
    // Makes the file at least as long as bytes; when it can't, the file is left as it was.
    bool Grow(HANDLE file, std::string_view bytes);
};

} // namespace shell::win
