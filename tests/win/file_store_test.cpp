// List files on a real file system under the platform's sharing rules, and the messages the commands
// show for them.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/win/list_box.h"
#include "shell/list_commands.h"
#include "shell/win/file_store.h"
#include "base/win/owners.h"
#include "base/win/text.h"
#include "support/caught.h"
#include "support/scripted_file_dialogs.h"
#include "support/win/fixtures.h"
#include "support/win/main_window_list_box.h"
#include "support/win/text.h"

using shell::FileResult;
using shell::win::FileStore;

namespace {

using namespace std::string_literals;

// A folder of its own under the temporary folder, removed with what is left in it.
class ScratchFolder {
public:
    ScratchFolder() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "vantrel-files-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter_++);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::string& name : Names()) {
            const std::string file = path_ + "\\" + name;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found{};
        const HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    static inline int counter_ = 0;
    std::string path_;
};

void Put(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(support::win::PutFile(support::win::Widen(path), bytes));
}

std::optional<std::string> Contents(const std::string& path) {
    return support::win::FileBytes(support::win::Widen(path));
}

// Another program's handle on a file, for as long as the test holds it.
class OtherHandle {
public:
    OtherHandle(const std::string& path, DWORD access, DWORD share)
        : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    bool IsOpen() const { return static_cast<bool>(handle_); }

private:
    base::win::KernelHandle handle_;
};

// The raw calls of a Save, in the order the default path makes them; Replaced is the moment after a
// replacement succeeded.
enum class Call { None, Write, Flush, Replace, Replaced, Rename };

// The platform's files, with the raw calls replaced by the test's: a read or write of its own, or the
// nth call of one kind failing with an error (a write after its first half is in), or the process ending
// there as a killed one ends.
class FaultyFiles : public FileStore {
public:
    static constexpr UINT kDied = 99;
    std::function<bool(HANDLE, const char*, DWORD, DWORD&)> write;
    std::function<bool(HANDLE, char*, DWORD, DWORD&)> read;
    Call failAt = Call::None;
    int nth = 1;
    DWORD error = ERROR_NETNAME_DELETED;
    bool die = false;

protected:
    bool WriteBytes(HANDLE file, const char* bytes, DWORD size, DWORD& written) override {
        if (Strikes(Call::Write)) {
            WriteFile(file, bytes, size / 2, &written, nullptr);
            return Fail();
        }
        return write ? write(file, bytes, size, written) : FileStore::WriteBytes(file, bytes, size, written);
    }
    bool ReadBytes(HANDLE file, char* buffer, DWORD size, DWORD& got) override {
        return read ? read(file, buffer, size, got) : FileStore::ReadBytes(file, buffer, size, got);
    }
    bool FlushBytes(HANDLE file) override { return Strikes(Call::Flush) ? Fail() : FileStore::FlushBytes(file); }
    bool Replace(const std::wstring& replaced, const std::wstring& replacement) override {
        if (!Strikes(Call::Replace)) {
            const bool done = FileStore::Replace(replaced, replacement);
            return Strikes(Call::Replaced) ? Fail() : done;
        }
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) // the list file went, the new one stayed where it was
            DeleteFileW(replaced.c_str());
        return Fail();
    }
    bool Rename(const std::wstring& from, const std::wstring& to) override {
        return Strikes(Call::Rename) ? Fail() : FileStore::Rename(from, to);
    }

private:
    bool Strikes(Call call) { return call == failAt && ++calls_ == nth; }
    bool Fail() {
        if (die)
            TerminateProcess(GetCurrentProcess(), kDied);
        SetLastError(error);
        return false;
    }
    int calls_ = 0;
};

TEST(WinListFilesTest, AWriteGivesTheNewBytesLongerOrShorterThroughEveryLinkAndLeavesNothingBeside) {
    ScratchFolder folder;
    const std::string plain = folder.File("plain.txt"), linked = folder.File("linked.txt");
    Put(plain, "a much longer previous list\r\nwith two lines\r\n");
    Put(linked, "a much longer previous list\r\nwith two lines\r\n");
    ASSERT_TRUE(CreateHardLinkA(folder.File("link.txt").c_str(), linked.c_str(), nullptr));
    FileStore files;
    for (const std::string& text : {"b\r\n\0c\r\n"s, "a list longer than the previous one by far\r\n\r\n"s}) {
        ASSERT_EQ(files.WriteWhole(plain, text), FileResult::Ok);
        ASSERT_EQ(files.WriteWhole(linked, text), FileResult::Ok);
        EXPECT_EQ(Contents(plain), text);
        EXPECT_EQ(Contents(linked), text);
        EXPECT_EQ(Contents(folder.File("link.txt")), text) << "the file stays the one its links name";
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link.txt", "linked.txt", "plain.txt"}));
}

TEST(WinListFilesTest, AReadGivesEveryByte) {
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    const std::string bytes = "x\ry\n\0\xFFz"s + std::string(70000, 'q');
    Put(path, bytes);
    FileStore files;
    std::string read = "marker";
    ASSERT_EQ(files.ReadWhole(path, read), FileResult::Ok);
    EXPECT_EQ(read, bytes);
}

TEST(WinListFilesTest, ReadingIsRefusedWhileAnotherHandleWritesButSharedWithReaders) {
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    Put(path, "a\r\n");
    FileStore files;
    std::string read;
    {
        OtherHandle reader(path, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader.IsOpen());
        EXPECT_EQ(files.ReadWhole(path, read), FileResult::Ok);
        EXPECT_EQ(read, "a\r\n");
    }
    OtherHandle writer(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_EQ(files.ReadWhole(path, read), FileResult::CannotOpen);
    EXPECT_EQ(files.ReadWhole(folder.File("missing.txt"), read), FileResult::CannotOpen);
}

TEST(WinListFilesTest, WritingIsRefusedWhileAnotherHandleHasTheFileOpenAtAll) {
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    Put(path, "old\r\n");
    FileStore files;
    {
        OtherHandle reader(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        ASSERT_TRUE(reader.IsOpen());
        EXPECT_EQ(files.WriteWhole(path, "new\r\n"), FileResult::CannotCreate);
    }
    EXPECT_EQ(Contents(path), "old\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"list.txt"});
}

TEST(WinListFilesTest, AReadOnlyFileOrAMissingFolderCannotBeCreated) {
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    Put(path, "old\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    FileStore files;
    EXPECT_EQ(files.WriteWhole(path, "new\r\n"), FileResult::CannotCreate);
    EXPECT_EQ(Contents(path), "old\r\n");
    EXPECT_EQ(files.WriteWhole(folder.File("gone\\list.txt"), "new\r\n"), FileResult::CannotCreate);
}

TEST(WinListFilesTest, TheListIsHeldExclusivelyWhileTheNewTextGoesIntoAHiddenFileBeside) {
    ScratchFolder folder;
    const std::string path = folder.File("list.txt"), temporary = folder.File("~list.txt.vantrel-tmp");
    Put(path, "old\r\n");
    FaultyFiles files;
    std::vector<DWORD> openErrors;
    files.write = [&](HANDLE file, const char* bytes, DWORD size, DWORD& written) {
        const HANDLE other =
            CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, 0);
        openErrors.push_back(other == INVALID_HANDLE_VALUE ? GetLastError() : 0);
        if (other != INVALID_HANDLE_VALUE)
            CloseHandle(other);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"list.txt", "~list.txt.vantrel-tmp"}));
        EXPECT_TRUE(GetFileAttributesA(temporary.c_str()) & FILE_ATTRIBUTE_HIDDEN);
        return WriteFile(file, bytes, size, &written, nullptr) != FALSE;
    };
    EXPECT_EQ(files.WriteWhole(path, "new and longer\r\n"), FileResult::Ok);
    ASSERT_FALSE(openErrors.empty());
    for (DWORD error : openErrors)
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(Contents(path), "new and longer\r\n");
    EXPECT_FALSE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"list.txt"});
}

// A disk with no room beyond what the file already takes: writes within it go in, the rest fails.
bool WriteOnFullDisk(HANDLE file, const char* bytes, DWORD size, DWORD& written, uint64_t room) {
    LARGE_INTEGER position{};
    SetFilePointerEx(file, LARGE_INTEGER{}, &position, FILE_CURRENT);
    const uint64_t at = static_cast<uint64_t>(position.QuadPart);
    const DWORD fits = at >= room ? 0 : static_cast<DWORD>(std::min<uint64_t>(size, room - at));
    WriteFile(file, bytes, fits, &written, nullptr);
    if (fits == size)
        return true;
    SetLastError(ERROR_DISK_FULL);
    return false;
}

TEST(WinListFilesTest, AFullDiskLeavesThePreviousFileButTakesAShorterList) {
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    const std::string previous = "previous\r\nlist\r\n";
    Put(path, previous);
    FaultyFiles files;
    files.write = [&](HANDLE file, const char* bytes, DWORD size, DWORD& written) {
        return WriteOnFullDisk(file, bytes, size, written, previous.size());
    };
    EXPECT_EQ(files.WriteWhole(path, "a longer replacement\r\n"), FileResult::WriteFailed);
    EXPECT_EQ(Contents(path), previous);
    EXPECT_EQ(files.WriteWhole(path, "shorter\r\n"), FileResult::Ok);
    EXPECT_EQ(Contents(path), "shorter\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"list.txt"});
}

TEST(WinListFilesTest, AShortWriteOfANewFileLeavesNoFile) {
    ScratchFolder folder;
    FaultyFiles files;
    files.write = [](HANDLE, const char*, DWORD size, DWORD& written) {
        written = size - 1;
        return true;
    };
    EXPECT_EQ(files.WriteWhole(folder.File("new.txt"), "a\r\n"), FileResult::WriteFailed);
    EXPECT_TRUE(folder.Names().empty());
}

const char* const kPrevious = "old-a\r\nold-b\r\nold-c\r\n";
const char* const kLonger = "new-1\r\nnew-2\r\nnew-3\r\nnew-4\r\nnew-5\r\n";
const char* const kShorter = "new-1\r\n";

template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A Save meeting a fault after its first part, on each path (a list file with a second name is
// rewritten in place; one not there yet is made fresh): the list file keeps exactly its previous bytes,
// or stays absent, unless the Save gets over the fault; nothing else is left in the folder either way.
struct FaultySave {
    const char* name;
    const char* previous; // none: no list file yet
    bool linked;
    const char* text;
    Call failAt;
    int nth;
    bool recovers = false;
    DWORD error = ERROR_NETNAME_DELETED;
};
class FaultySaveTest : public ::testing::TestWithParam<FaultySave> {};

TEST_P(FaultySaveTest, LeavesThePreviousBytesOrTheNew) {
    const FaultySave& save = GetParam();
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    if (save.previous)
        Put(path, save.previous);
    if (save.linked) {
        ASSERT_TRUE(CreateHardLinkA(folder.File("link.txt").c_str(), path.c_str(), nullptr));
    }
    const std::vector<std::string> before = folder.Names();
    FaultyFiles files;
    files.failAt = save.failAt;
    files.nth = save.nth;
    files.error = save.error;
    EXPECT_EQ(files.WriteWhole(path, save.text), save.recovers ? FileResult::Ok : FileResult::WriteFailed);
    const char* const expected = save.recovers ? save.text : save.previous;
    EXPECT_EQ(Contents(path), expected ? std::optional<std::string>(expected) : std::nullopt);
    EXPECT_EQ(folder.Names(), before);
}

INSTANTIATE_TEST_SUITE_P(
    EachPath, FaultySaveTest,
    ::testing::Values(
        FaultySave{"TemporaryWrite", kPrevious, false, kLonger, Call::Write, 1},
        FaultySave{"TemporaryFlush", kPrevious, false, kLonger, Call::Flush, 1},
        FaultySave{"Replace", kPrevious, false, kShorter, Call::Replace, 1},
        FaultySave{"InPlaceGrow", kPrevious, true, kLonger, Call::Write, 1},
        FaultySave{"InPlaceFlushAfterGrow", kPrevious, true, kLonger, Call::Flush, 1},
        FaultySave{"InPlaceOverwrite", kPrevious, true, kLonger, Call::Write, 2},
        FaultySave{"InPlaceOverwriteShorter", kPrevious, true, kShorter, Call::Write, 1},
        FaultySave{"InPlaceLastFlush", kPrevious, true, kLonger, Call::Flush, 2},
        FaultySave{"InPlaceLastFlushShorter", kPrevious, true, kShorter, Call::Flush, 2},
        FaultySave{"FreshWrite", nullptr, false, kShorter, Call::Write, 1},
        FaultySave{"FreshRename", nullptr, false, kShorter, Call::Rename, 1},
        // Faults a Save gets over: a redirector with nothing to flush, a replacement refused (written in
        // place instead), one that took the list file away without moving the new one in.
        FaultySave{"FlushNotSupported", kPrevious, false, kLonger, Call::Flush, 1, true, ERROR_NOT_SUPPORTED},
        FaultySave{"FlushInvalidFunction", kPrevious, true, kLonger, Call::Flush, 2, true, ERROR_INVALID_FUNCTION},
        FaultySave{"ReplaceRefused", kPrevious, false, kLonger, Call::Replace, 1, true, ERROR_ACCESS_DENIED},
        FaultySave{"ReplacementNotMovedIn", kPrevious, false, kLonger, Call::Replace, 1, true,
                   ERROR_UNABLE_TO_MOVE_REPLACEMENT}),
    CaseName<FaultySave>);

// A Save whose process ends at a step, as a killed one ends: this program started again with the
// switch, the step and the list file's path saves kLonger there and ends itself at that step.
constexpr wchar_t kDieSwitch[] = L"--vantrel-save-and-die-at";

[[maybe_unused]] const bool kRunAsDyingSave = [] {
    int count = 0;
    wchar_t** const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const bool dying = arguments && count == 4 && std::wstring(arguments[1]) == kDieSwitch;
    if (dying) {
        FaultyFiles files;
        files.failAt = static_cast<Call>(_wtoi(arguments[2]));
        files.die = true;
        files.WriteWhole(base::win::Narrow(arguments[3]), kLonger);
    }
    LocalFree(arguments);
    if (dying)
        ExitProcess(0); // the step never came
    return false;
}();

struct DyingSave {
    const char* name;
    const char* previous;
    Call step;
    bool arrived; // the new list is under the name
};
class DyingSaveTest : public ::testing::TestWithParam<DyingSave> {};

TEST_P(DyingSaveTest, LeavesTheOldListOrTheNewAndTheNextSaveGetsOverIt) {
    const DyingSave& save = GetParam();
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    if (save.previous)
        Put(path, save.previous);
    const std::wstring arguments = std::wstring(kDieSwitch) + L" " + std::to_wstring(static_cast<int>(save.step)) +
                                   L" \"" + support::win::Widen(path) + L"\"";
    ASSERT_EQ(support::win::RunThisProgram(arguments), FaultyFiles::kDied);
    const char* const expected = save.arrived ? kLonger : save.previous;
    EXPECT_EQ(Contents(path), expected ? std::optional<std::string>(expected) : std::nullopt);
    for (const std::string& name : folder.Names())
        EXPECT_TRUE(name == "list.txt" || name == "~list.txt.vantrel-tmp") << name;
    EXPECT_EQ(FileStore().WriteWhole(path, kShorter), FileResult::Ok);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"list.txt"});
}

INSTANTIATE_TEST_SUITE_P(EachStep, DyingSaveTest,
                         ::testing::Values(DyingSave{"WhileWritingTheTemporary", kPrevious, Call::Write, false},
                                           DyingSave{"BeforeItsFlush", kPrevious, Call::Flush, false},
                                           DyingSave{"BeforeTheReplace", kPrevious, Call::Replace, false},
                                           DyingSave{"AfterTheReplace", kPrevious, Call::Replaced, true},
                                           DyingSave{"FreshWhileWriting", nullptr, Call::Write, false},
                                           DyingSave{"FreshBeforeTheRename", nullptr, Call::Rename, false}),
                         CaseName<DyingSave>);

TEST(WinListFilesTest, AShortReadIsAReadFailure) {
    ScratchFolder folder;
    const std::string path = folder.File("list.txt");
    Put(path, "a\r\nb\r\n");
    FaultyFiles files;
    files.read = [](HANDLE file, char* buffer, DWORD size, DWORD& got) {
        return ReadFile(file, buffer, size - 1, &got, nullptr) != FALSE;
    };
    std::string read = "marker";
    EXPECT_EQ(files.ReadWhole(path, read), FileResult::ReadFailed);
    EXPECT_EQ(read, "marker");
}

// A real file system too small for the new list: ctest mounts a tmpfs of a few pages for this test
// (small_disk) and hands its Windows path over in VANTREL_SMALL_DISK.
TEST(SmallDiskTest, AListLargerThanTheFreeRoomLeavesThePreviousOne) {
    const char* disk = std::getenv("VANTREL_SMALL_DISK");
    if (!disk)
        GTEST_SKIP() << "run by ctest, which mounts the small disk";
    const std::string path = std::string(disk) + "\\list.txt", filler = std::string(disk) + "\\filler";
    const std::string previous = "previous\r\nlist\r\n";
    Put(path, previous);
    const HANDLE fill = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(fill, INVALID_HANDLE_VALUE);
    const std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(fill, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0) {
    }
    // One page free again: room for part of the new list, which a merely extended end would not claim.
    LARGE_INTEGER end{};
    GetFileSizeEx(fill, &end);
    end.QuadPart -= 4096;
    SetFilePointerEx(fill, end, nullptr, FILE_BEGIN);
    SetEndOfFile(fill);
    CloseHandle(fill);
    ULARGE_INTEGER available{};
    ASSERT_TRUE(GetDiskFreeSpaceExA(disk, &available, nullptr, nullptr));
    ASSERT_LT(available.QuadPart, 2 * 4096u) << "the disk is not full";

    // Two pages more than the previous list takes.
    const std::string longer = std::string(3 * 4096, 'n') + "\r\n";
    EXPECT_EQ(FileStore().WriteWhole(path, longer), FileResult::WriteFailed);
    EXPECT_EQ(Contents(path), previous);
    EXPECT_EQ(FileStore().WriteWhole(path, "shorter\r\n"), FileResult::Ok);
    EXPECT_EQ(Contents(path), "shorter\r\n");
    DeleteFileA(path.c_str());
    DeleteFileA(filler.c_str());
}

// The commands over the real list box and files; the dialogs answer with the test's path.
struct FileCommandsOnDiskTest : ::testing::Test {
    struct OneAnswer : support::ScriptedFileDialogs {
        std::string path;
        bool Run(shell::FileDialogCall& call) override {
            always = support::DialogChoice{path};
            return ScriptedFileDialogs::Run(call);
        }
    };
    ScratchFolder folder;
    support::win::MainWindowListBox box;
    shell::win::ListBoxFileList list{box.Get()};
    std::string listFileName;
    shell::FileListDialogs dialogs;
    OneAnswer host;
    FileStore files;
    shell::FileListCommands commands{list, listFileName, dialogs, host, files};

    std::string Message(void (shell::FileListCommands::*command)(const forms::Sender&)) {
        return support::MessageOf([&] { (commands.*command)(forms::Sender{}); });
    }
};

TEST_F(FileCommandsOnDiskTest, OpenWhileAnotherHandleWritesSaysCannotOpenAndKeepsTheList) {
    list.Insert("kept");
    host.path = folder.File("list.txt");
    Put(host.path, "x\r\n");
    OtherHandle writer(host.path, GENERIC_WRITE, FILE_SHARE_READ);
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_EQ(Message(&shell::FileListCommands::mnuOpenClick), "Cannot open file " + host.path);
    EXPECT_EQ(list.Entry(0), "kept");
    EXPECT_EQ(listFileName, host.path);
}

TEST_F(FileCommandsOnDiskTest, SaveWhileAnotherHandleHasItOpenSaysCannotCreate) {
    list.Insert("new");
    host.path = folder.File("list.txt");
    Put(host.path, "old\r\n");
    OtherHandle reader(host.path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(Message(&shell::FileListCommands::mnuSaveAsClick), "Cannot create file " + host.path);
    EXPECT_EQ(listFileName, host.path);
    EXPECT_EQ(Contents(host.path), "old\r\n");
}

TEST_F(FileCommandsOnDiskTest, RemoveLeavesTheUnselectedEntriesAndNoSelection) {
    for (const char* entry : {"d", "b", "a", "c", "e"})
        list.Insert(entry);
    SendMessageA(box.Get(), LB_SETSEL, TRUE, 0);
    SendMessageA(box.Get(), LB_SETSEL, TRUE, 2);
    SendMessageA(box.Get(), LB_SETSEL, TRUE, 4);
    EXPECT_EQ(Message(&shell::FileListCommands::btnRemoveClick), "");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Entry(0), "b");
    EXPECT_EQ(list.Entry(1), "d");
    EXPECT_EQ(SendMessageA(box.Get(), LB_GETSELCOUNT, 0, 0), 0);
}

TEST_F(FileCommandsOnDiskTest, SaveAndOpenCarryALongEntryWhole) {
    const std::string longEntry = "C:\\" + std::string(5000, 'p') + ".prt";
    list.Insert(longEntry);
    list.Insert("");
    host.path = folder.File("list.txt");
    EXPECT_EQ(Message(&shell::FileListCommands::mnuSaveAsClick), "");
    EXPECT_EQ(Contents(host.path), "\r\n" + longEntry + "\r\n");
    list.Clear();
    EXPECT_EQ(Message(&shell::FileListCommands::mnuOpenClick), "");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Entry(1), longEntry);
}

} // namespace
