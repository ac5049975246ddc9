#include "shell/win/file_store.h"

#include <cstdint>
#include <new>
#include <utility>

#include "base/win/owners.h"
#include "base/win/text.h"

namespace shell::win {

// The new contents on their way to the list file's name, created hidden beside the file they are to
// replace. It is deleted after its handle is closed unless its contents reached the list file's name or
// may be the one copy of the new list.
class TemporaryFile {
public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {
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
    std::wstring path_;
    base::win::KernelHandle handle_;
    bool kept_ = true;
};

namespace {

constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;

// The list file held for this Save: shared with nobody, so a file open in another program, or one that
// can't be written, is refused before anything is written.
base::win::KernelHandle OpenExclusively(const std::wstring& path, DWORD access = kReadWrite) {
    return base::win::KernelHandle(
        CreateFileW(path.c_str(), access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Replacing the list file needs the right to delete it, so it is asked for; where only that is refused,
// the file is opened without it (deletable false), to be rewritten in place with no temporary file made
// that this Save might not be allowed to delete again.
base::win::KernelHandle OpenForSave(const std::wstring& path, bool& deletable) {
    base::win::KernelHandle list = OpenExclusively(path, kReadWrite | DELETE);
    deletable = static_cast<bool>(list);
    if (!list && GetLastError() == ERROR_ACCESS_DENIED)
        list = OpenExclusively(path);
    return list;
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

// The temporary file was hidden while it could be left behind; under its new name it is seen. Its other
// attributes stay (Windows' ReplaceFileW then gives it the list file's own; Wine's keeps these).
bool MakeVisible(HANDLE file) {
    constexpr DWORD settable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                               FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD kept = InformationOf(file).dwFileAttributes & settable;
    FILE_BASIC_INFO basic{}; // times of 0 stay as they are
    basic.FileAttributes = kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
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

// The file the system says the handle holds, by its full path ("\\?\C:\Lists\list.txt"): where a
// symbolic link or junction at its name leads. Empty where the system can't say (a volume without a
// drive letter, some network redirectors).
std::wstring FinalPathOf(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()),
                                                     FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (size == 0)
            return {};
        const bool fits = size < path.size(); // otherwise size is what it needs, terminator included
        path.resize(size);
        if (fits)
            return path;
    }
}

// A symbolic link, a junction or another reparse point that stands for a name elsewhere; a name whose
// entry can't be read counts as one.
bool IsLink(const std::wstring& path) {
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return true;
    FindClose(search);
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && IsReparseTagNameSurrogate(entry.dwReserved0);
}

// Where the list file is replaced: the file its name leads to, by that file's own path, so that a link at
// the name stays a link and the file it points to gets the new list. Empty where that path is not to be
// had for a link: the file is then rewritten in place.
std::wstring ReplacedPath(HANDLE list, const std::wstring& name) {
    std::wstring path = FinalPathOf(list);
    if (path.empty() && !IsLink(name))
        path = name;
    return path;
}

// The temporary file's path: in the folder of the file it is to replace, named after the list file.
std::wstring TemporaryPathBeside(const std::wstring& replaced, const std::string& listFileName) {
    const size_t slash = replaced.find_last_of(L"\\/");
    const size_t name = slash == std::wstring::npos ? 0 : slash + 1;
    return replaced.substr(0, name) + base::win::Widen(TemporaryListFileName(listFileName));
}

// After these two the list file may have gone from its name; after any other failure of ReplaceFileW
// both files keep their names.
bool LeftNamesAsTheyWere(DWORD replaceError) {
    return replaceError != ERROR_UNABLE_TO_MOVE_REPLACEMENT && replaceError != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
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
    bool deletable = false;
    base::win::KernelHandle list = OpenForSave(name, deletable);
    if (!list)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? WriteFresh(name, path, bytes) : FileResult::CannotCreate;
    if (IsReadOnly(list.Get()))
        return FileResult::CannotCreate;
    if (bytes.size() >= MAXDWORD)
        return FileResult::WriteFailed;
    // A replacement would take the file away from its other names, which would keep the previous list.
    const bool hardLinked = InformationOf(list.Get()).nNumberOfLinks > 1;
    const std::wstring replaced = deletable && !hardLinked ? ReplacedPath(list.Get(), name) : std::wstring();
    if (replaced.empty())
        return WriteInPlace(list.Get(), bytes);
    return WriteReplacing(list, replaced, TemporaryPathBeside(replaced, path), bytes);
}

// A list file that isn't there yet appears under its name only whole, by a rename of the flushed
// temporary file: a Save that ends half way leaves no partial list under that name.
FileResult FileStore::WriteFresh(const std::wstring& path, const std::string& listFileName, std::string_view bytes) {
    if (bytes.size() >= MAXDWORD)
        return FileResult::WriteFailed;
    TemporaryFile temporary(TemporaryPathBeside(path, listFileName));
    if (!temporary.IsOpen())
        return WriteDirectly(path, bytes);
    if (!Fill(temporary, bytes))
        return FileResult::WriteFailed;
    if (!Rename(temporary.Path(), path)) {
        const DWORD error = GetLastError();
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? FileResult::CannotCreate
                                                                           : FileResult::WriteFailed;
    }
    temporary.Keep();
    return FileResult::Ok;
}

// Where no temporary file can be made beside it (its name would pass MAX_PATH, or a folder has it), the
// new list file is created under its own name and written there; a failed write takes it away again.
FileResult FileStore::WriteDirectly(const std::wstring& path, std::string_view bytes) {
    base::win::KernelHandle file(
        CreateFileW(path.c_str(), kReadWrite, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return FileResult::CannotCreate;
    if (WriteAll(file.Get(), 0, bytes) && Flush(file.Get()))
        return FileResult::Ok;
    SetEndAt(file.Get(), 0); // nothing partial stays should the delete be refused
    file.Reset();
    DeleteFileW(path.c_str());
    return FileResult::WriteFailed;
}

bool FileStore::Fill(TemporaryFile& temporary, std::string_view bytes) {
    const HANDLE file = temporary.Handle();
    if (!WriteAll(file, 0, bytes) || !Flush(file) || !MakeVisible(file))
        return false;
    temporary.Close();
    return true;
}

FileResult FileStore::WriteReplacing(base::win::KernelHandle& list, const std::wstring& path,
                                     const std::wstring& temporaryPath, std::string_view bytes) {
    TemporaryFile temporary(temporaryPath);
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
    if (!LeftNamesAsTheyWere(GetLastError())) {
        // The list file may be gone from its name already, the new list still under the temporary one: it
        // is moved over. Where that fails too, it stays where it is, as it may be the one copy on disk.
        temporary.Keep();
        return Rename(temporary.Path(), path) ? FileResult::Ok : FileResult::KeptBeside;
    }
    // The list file was not replaced (no right to delete it, another program opened it in the moment
    // between, a share or file system that can't replace): it is as it was, and is rewritten in place.
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
