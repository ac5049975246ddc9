#include "shell/win/win_list_files.h"

#include <new>
#include <utility>

#include "base/win/owners.h"

namespace shell::win {
namespace {

// CreateFileA's result as an owner (empty when it failed), and whether the file was there before.
struct OpenedFile {
    base::win::KernelHandle handle;
    bool existed = false;
};

OpenedFile OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    OpenedFile opened;
    opened.handle.Reset(CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    opened.existed = GetLastError() == ERROR_ALREADY_EXISTS;
    return opened;
}

// The new contents replace the file rather than go through this handle, so the read-only attribute is
// checked here: opening for writing alone doesn't refuse a read-only file everywhere (not to an
// administrator under Wine, for one).
bool IsReadOnly(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileInformationByHandle(file, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// A file that is deleted when its owner goes, unless kept.
class ScratchFile {
public:
    ScratchFile() = default;
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() { Discard(); }

    void Own(std::string path) { path_ = std::move(path); }
    void Keep() { path_.clear(); }
    void Discard() {
        if (!path_.empty())
            DeleteFileA(path_.c_str());
        path_.clear();
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// A new, empty file with a unique name in folder, or "" when none could be made.
std::string CreateTemporaryIn(const std::string& folder) {
    char name[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "vtl", 0, name) == 0)
        return {};
    return name;
}

} // namespace

bool WinListFiles::ReadBytes(HANDLE file, char* buffer, DWORD size, DWORD& read) {
    return ReadFile(file, buffer, size, &read, nullptr) != FALSE;
}

bool WinListFiles::WriteBytes(HANDLE file, const char* bytes, DWORD size, DWORD& written) {
    return WriteFile(file, bytes, size, &written, nullptr) != FALSE;
}

FileResult WinListFiles::ReadWhole(const std::string& path, std::string& bytes) {
    const OpenedFile file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file.handle)
        return FileResult::CannotOpen;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle.Get(), &size) || size.QuadPart >= MAXDWORD)
        return FileResult::ReadFailed;
    std::string buffer;
    try {
        buffer.resize(static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return FileResult::ReadFailed;
    }
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(size.QuadPart);
    if (!ReadBytes(file.handle.Get(), buffer.data(), wanted, read) || read != wanted)
        return FileResult::ReadFailed;
    bytes = std::move(buffer);
    return FileResult::Ok;
}

FileResult WinListFiles::WriteNewFile(const std::string& file, std::string_view bytes) {
    const OpenedFile out = OpenFile(file, GENERIC_WRITE, 0, TRUNCATE_EXISTING);
    if (!out.handle)
        return FileResult::CannotCreate;
    if (bytes.size() >= MAXDWORD)
        return FileResult::WriteFailed;
    const DWORD size = static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteBytes(out.handle.Get(), bytes.data(), size, written) || written != size ||
        !FlushFileBuffers(out.handle.Get()))
        return FileResult::WriteFailed;
    return FileResult::Ok;
}

FileResult WinListFiles::WriteWhole(const std::string& path, std::string_view bytes) {
    // A file that this write brings into being goes again if the write fails (after its handle).
    ScratchFile createdTarget;
    // Opening the file itself for writing, exclusively, tells at once whether it can be written (folder
    // gone, read-only, open elsewhere) and keeps everyone else out until it is replaced.
    OpenedFile target = OpenFile(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_ALWAYS);
    if (!target.handle || IsReadOnly(target.handle.Get()))
        return FileResult::CannotCreate;
    if (!target.existed)
        createdTarget.Own(path);

    ScratchFile temporary;
    temporary.Own(CreateTemporaryIn(FolderOfPath(path)));
    if (temporary.Path().empty())
        return FileResult::CannotCreate;
    if (const FileResult written = WriteNewFile(temporary.Path(), bytes); written != FileResult::Ok)
        return written;
    target.handle.Reset();
    if (!MoveFileExA(temporary.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return FileResult::CannotCreate;
    temporary.Keep();
    createdTarget.Keep();
    return FileResult::Ok;
}

} // namespace shell::win
