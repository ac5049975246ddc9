#include "shell/win/file_store.h"

#include <cstdint>
#include <new>
#include <utility>

#include "base/win/owners.h"
#include "base/win/text.h"

namespace shell::win {

// The new contents on their way to the list file's name, created hidden beside it under a name that no
// one takes for a list ("~list.txt.vantrel-tmp"). It is deleted after its handle is closed unless its
// contents reached the list file's name.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& listPath) : path_(NameBeside(listPath)) {
        handle_.Reset(CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr));
        kept_ = !handle_;
    }
    ~TemporaryFile() {
        handle_.Reset();
        if (!kept_)
            DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return static_cast<bool>(handle_); }
    HANDLE Handle() const { return handle_.Get(); }
    const std::wstring& Path() const { return path_; }
    void Close() { handle_.Reset(); }
    // Its contents are where they belong now (or are the one copy left): the file is not deleted.
    void Keep() { kept_ = true; }

private:
    static std::wstring NameBeside(const std::wstring& listPath) {
        const size_t slash = listPath.find_last_of(L"\\/");
        const size_t name = slash == std::wstring::npos ? 0 : slash + 1;
        return listPath.substr(0, name) + L"~" + listPath.substr(name) + L".vantrel-tmp";
    }

    std::wstring path_;
    base::win::KernelHandle handle_;
    bool kept_ = true;
};

namespace {

// The list file held for this Save: shared with nobody, so a file open in another program, or one that
// can't be written, is refused before anything is written.
base::win::KernelHandle OpenExclusively(const std::wstring& path) {
    return base::win::KernelHandle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
}

BY_HANDLE_FILE_INFORMATION InformationOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information))
        information.nNumberOfLinks = 1;
    return information;
}

// Opening for writing doesn't refuse a read-only file everywhere (not to an administrator under Wine, for
// one), so the attribute is checked as well.
bool IsReadOnly(HANDLE file) {
    return (InformationOf(file).dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The temporary file was hidden while it could be left behind; under its new name it is an ordinary file
// (Windows' ReplaceFileW then gives it the list file's own attributes; Wine's keeps these).
bool MakeVisible(HANDLE file) {
    FILE_BASIC_INFO basic{}; // times of 0 stay as they are
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

bool SeekTo(HANDLE file, uint64_t offset) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != FALSE;
}

bool SetEndAt(HANDLE file, uint64_t size) {
    return SeekTo(file, size) && SetEndOfFile(file) != FALSE;
}

bool IsRefusal(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

} // namespace

bool FileStore::ReadBytes(HANDLE file, char* buffer, DWORD size, DWORD& read) {
    return ReadFile(file, buffer, size, &read, nullptr) != FALSE;
}

bool FileStore::WriteBytes(HANDLE file, const char* bytes, DWORD size, DWORD& written) {
    return WriteFile(file, bytes, size, &written, nullptr) != FALSE;
}

bool FileStore::FlushBytes(HANDLE file) {
    return FlushFileBuffers(file) != FALSE;
}

bool FileStore::Replace(const std::wstring& replaced, const std::wstring& replacement) {
    return ReplaceFileW(replaced.c_str(), replacement.c_str(), nullptr, 0, nullptr, nullptr) != FALSE;
}

bool FileStore::Rename(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
}

FileResult FileStore::ReadWhole(const std::string& path, std::string& bytes) {
    const base::win::KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return FileResult::CannotOpen;
    return ReadAll(file.Get(), bytes) ? FileResult::Ok : FileResult::ReadFailed;
}

bool FileStore::ReadAll(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart >= MAXDWORD || !SeekTo(file, 0))
        return false;
    std::string buffer;
    try {
        buffer.resize(static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return false;
    }
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(size.QuadPart);
    if (!ReadBytes(file, buffer.data(), wanted, read) || read != wanted)
        return false;
    bytes = std::move(buffer);
    return true;
}

bool FileStore::WriteAll(HANDLE file, uint64_t offset, std::string_view bytes) {
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size());
    return SeekTo(file, offset) && WriteBytes(file, bytes.data(), size, written) && written == size;
}

bool FileStore::Flush(HANDLE file) {
    if (FlushBytes(file))
        return true;
    // Some network redirectors keep nothing back to flush and say so.
    const DWORD error = GetLastError();
    return error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED;
}

FileResult FileStore::WriteWhole(const std::string& path, std::string_view bytes) {
    const std::wstring name = base::win::Widen(path);
    base::win::KernelHandle list = OpenExclusively(name);
    if (!list)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? WriteFresh(name, bytes) : FileResult::CannotCreate;
    if (IsReadOnly(list.Get()))
        return FileResult::CannotCreate;
    if (bytes.size() >= MAXDWORD)
        return FileResult::WriteFailed;
    // A replacement would take the file away from its other names, which would keep the previous list.
    if (InformationOf(list.Get()).nNumberOfLinks > 1)
        return WriteInPlace(list.Get(), bytes);
    return WriteReplacing(list, name, bytes);
}

// A list file that isn't there yet appears under its name only whole, by a rename of the flushed
// temporary file: a Save that ends half way leaves no partial list under that name.
FileResult FileStore::WriteFresh(const std::wstring& path, std::string_view bytes) {
    TemporaryFile temporary(path);
    if (!temporary.IsOpen())
        return FileResult::CannotCreate;
    if (bytes.size() >= MAXDWORD || !Fill(temporary, bytes))
        return FileResult::WriteFailed;
    if (!Rename(temporary.Path(), path)) {
        const DWORD error = GetLastError();
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? FileResult::CannotCreate
                                                                           : FileResult::WriteFailed;
    }
    temporary.Keep();
    return FileResult::Ok;
}

bool FileStore::Fill(TemporaryFile& temporary, std::string_view bytes) {
    const HANDLE file = temporary.Handle();
    if (!WriteAll(file, 0, bytes) || !Flush(file) || !MakeVisible(file))
        return false;
    temporary.Close();
    return true;
}

FileResult FileStore::WriteReplacing(base::win::KernelHandle& list, const std::wstring& path, std::string_view bytes) {
    TemporaryFile temporary(path);
    if (!temporary.IsOpen())
        return WriteInPlace(list.Get(), bytes);
    if (!Fill(temporary, bytes))
        return FileResult::WriteFailed;
    // ReplaceFileW opens the list file itself, for reading and deleting, which the exclusive handle would
    // refuse: the handle goes just before.
    list.Reset();
    if (Replace(path, temporary.Path())) {
        temporary.Keep();
        return FileResult::Ok;
    }
    return AfterFailedReplace(path, temporary, bytes);
}

FileResult FileStore::AfterFailedReplace(const std::wstring& path, TemporaryFile& temporary, std::string_view bytes) {
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The list file may be gone from its name already, the new list still under the temporary one:
        // it is moved over. Where that fails too and the name is free, it stays as the one copy on disk.
        const bool moved = Rename(temporary.Path(), path);
        if (moved || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            temporary.Keep();
        return moved ? FileResult::Ok : FileResult::WriteFailed;
    }
    if (!IsRefusal(error))
        return FileResult::WriteFailed;
    // The list file could not be replaced (no right to delete it, or another program opened it in the
    // moment between): it is as it was. Rewriting it in place needs neither.
    const base::win::KernelHandle list = OpenExclusively(path);
    if (!list || IsReadOnly(list.Get()))
        return FileResult::CannotCreate;
    return WriteInPlace(list.Get(), bytes);
}

// In place, the previous list stays whole until the file has room for the new one and that room is on
// disk: the new text's tail is written past the old end first (extending the end alone may leave that
// part unallocated, to fail only half way through overwriting the old bytes). When a later write fails,
// the previous bytes, read first, are written back.
FileResult FileStore::WriteInPlace(HANDLE file, std::string_view bytes) {
    std::string previous;
    if (!ReadAll(file, previous))
        return FileResult::WriteFailed;
    const uint64_t kept = previous.size();
    const bool roomy = bytes.size() <= kept || WriteAll(file, kept, bytes.substr(static_cast<size_t>(kept)));
    if (!roomy || !Flush(file)) {
        SetEndAt(file, kept);
        return FileResult::WriteFailed;
    }
    if (WriteAll(file, 0, bytes) && SetEndAt(file, bytes.size()) && Flush(file))
        return FileResult::Ok;
    if (WriteAll(file, 0, previous) && SetEndAt(file, kept))
        Flush(file);
    return FileResult::WriteFailed;
}

} // namespace shell::win
