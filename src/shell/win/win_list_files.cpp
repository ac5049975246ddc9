#include "shell/win/win_list_files.h"

#include <cstdint>
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

// Opening for writing doesn't refuse a read-only file everywhere (not to an administrator under Wine, for
// one), so the attribute is checked as well.
bool IsReadOnly(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileInformationByHandle(file, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool SeekTo(HANDLE file, uint64_t offset) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != FALSE;
}

bool SetEndAt(HANDLE file, uint64_t size) {
    return SeekTo(file, size) && SetEndOfFile(file) != FALSE;
}

// A file that this write brought into being; it goes again when the write fails, after its handle.
class CreatedFile {
public:
    CreatedFile() = default;
    CreatedFile(const CreatedFile&) = delete;
    CreatedFile& operator=(const CreatedFile&) = delete;
    ~CreatedFile() {
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }

    void Own(std::string path) { path_ = std::move(path); }
    void Keep() { path_.clear(); }

private:
    std::string path_;
};

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

bool WinListFiles::WriteAll(HANDLE file, uint64_t offset, std::string_view bytes) {
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size());
    return SeekTo(file, offset) && WriteBytes(file, bytes.data(), size, written) && written == size;
}

bool WinListFiles::Grow(HANDLE file, std::string_view bytes) {
    LARGE_INTEGER oldSize{};
    if (!GetFileSizeEx(file, &oldSize))
        return false;
    const uint64_t kept = static_cast<uint64_t>(oldSize.QuadPart);
    if (bytes.size() <= kept)
        return true;
    // The room is taken by writing the text's own tail there: extending the end alone may leave the
    // new part unallocated (a sparse extension, as Wine's on a Linux file system), to fail only later,
    // half way through overwriting the old bytes.
    if (WriteAll(file, kept, bytes.substr(static_cast<size_t>(kept))))
        return true;
    SetEndAt(file, kept);
    return false;
}

FileResult WinListFiles::WriteWhole(const std::string& path, std::string_view bytes) {
    CreatedFile created;
    // The list file itself, held exclusively until every byte is in: it keeps its identity (links,
    // streams, owner, permissions), and no other file appears beside it.
    const OpenedFile target = OpenFile(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_ALWAYS);
    if (!target.handle || IsReadOnly(target.handle.Get()))
        return FileResult::CannotCreate;
    if (!target.existed)
        created.Own(path);
    const HANDLE file = target.handle.Get();
    // Nothing of the previous list changes until the file has room for the whole text; after that the
    // text overwrites it in place, which needs no more room.
    if (bytes.size() >= MAXDWORD || !Grow(file, bytes))
        return FileResult::WriteFailed;
    if (!WriteAll(file, 0, bytes) || !SetEndAt(file, bytes.size()) || !FlushFileBuffers(file))
        return FileResult::WriteFailed;
    created.Keep();
    return FileResult::Ok;
}

} // namespace shell::win
