#pragma once
// List files through the Win32 file calls. Reading shares the file with readers only; writing holds
// the file exclusively and puts the new contents beside it first, replacing the file only once every
// byte is written, so a failed write leaves the previous list as it was.
#include <windows.h>

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
    // Writes bytes into an existing, empty file and flushes them to the disk.
    FileResult WriteNewFile(const std::string& file, std::string_view bytes);
};

} // namespace shell::win
