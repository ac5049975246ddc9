#pragma once
// Files and windows the Wine tests set up around the program.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/win/owners.h"

namespace support::win {

// The whole file, or nothing when it can't be opened for reading. These two are the stand-in host's own
// file helpers, so that the tests, the stand-in and its session read and write files one way.
std::optional<std::string> FileBytes(const std::wstring& path);
// Creates or replaces the file with these bytes; false when it can't be created.
bool PutFile(const std::wstring& path, std::string_view bytes);

// Runs this test program again with these arguments (after its own name), waits for it and gives its
// exit code; ~0u when it could not be started or did not end within a minute.
DWORD RunThisProgram(const std::wstring& arguments);

// A folder of files for one test under the temporary folder, removed with everything in it afterwards
// (read-only files too).
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Creates the file (a relative name may go into a subfolder made with Folder) and returns its path.
    std::wstring Put(const std::wstring& name, const std::string& bytes = "") const;
    // Creates a subfolder and returns its path.
    std::wstring Folder(const std::wstring& name) const;
    // The names of the files in it, subfolders left out, sorted.
    std::vector<std::wstring> Names() const;

private:
    std::wstring path_;
};

// A top-level window of a private class with that title, destroyed with the test.
class TitledWindow {
public:
    TitledWindow(const std::wstring& title, DWORD style, int width, int height);
    HWND Handle() const { return window_.Get(); }

private:
    base::win::WindowHandle window_;
};

} // namespace support::win
