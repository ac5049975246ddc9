// List files on a real file system under the platform's sharing rules.
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

#include "base/win/owners.h"
#include "base/win/text.h"
#include "shell/win/file_store.h"
#include "support/win/fixtures.h"
#include "support/win/text.h"

using shell::FileResult;
using shell::win::FileStore;

namespace {

using namespace std::string_literals;

using support::win::FileBytes;
using support::win::Narrow;
using support::win::Widen;

// A scratch folder for each test, its paths in the program's narrow form; list.txt is the list file.
class FileStoreTest : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return Narrow(folder_.File(Widen(name))); }
    std::vector<std::wstring> Names() const { return folder_.Names(); }
    void PutList(const std::string& bytes) const { ASSERT_TRUE(support::win::PutFile(Widen(list_), bytes)); }
    std::optional<std::string> ListBytes() const { return FileBytes(Widen(list_)); }

    support::win::ScratchFolder folder_;
    const std::string list_ = File("list.txt");
};

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
enum class Call { None, Write, Flush, Replace, Replaced, Rename, Create };

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
    bool takesReplacedAway = true;

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
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT && takesReplacedAway) // the new one stayed where it was
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

TEST_F(FileStoreTest, AWriteGivesTheNewBytesLongerOrShorterThroughEveryLinkAndLeavesNothingBeside) {
    const std::wstring plain = folder_.File(L"plain.txt"), linked = folder_.File(L"linked.txt");
    const std::string previous = "a much longer previous list\r\nwith two lines\r\n";
    ASSERT_TRUE(support::win::PutFile(plain, previous));
    ASSERT_TRUE(support::win::PutFile(linked, previous));
    ASSERT_TRUE(CreateHardLinkW(folder_.File(L"link.txt").c_str(), linked.c_str(), nullptr));
    FileStore files;
    for (const std::string& text : {"b\r\n\0c\r\n"s, "a list longer than the previous one by far\r\n\r\n"s}) {
        ASSERT_EQ(files.WriteWhole(Narrow(plain), text), FileResult::Ok);
        ASSERT_EQ(files.WriteWhole(Narrow(linked), text), FileResult::Ok);
        EXPECT_EQ(FileBytes(plain), text);
        EXPECT_EQ(FileBytes(linked), text);
        EXPECT_EQ(FileBytes(folder_.File(L"link.txt")), text) << "the file stays the one its links name";
    }
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"link.txt", L"linked.txt", L"plain.txt"}));
}

TEST_F(FileStoreTest, AReadGivesEveryByte) {
    const std::string bytes = "x\ry\n\0\xFFz"s + std::string(70000, 'q');
    PutList(bytes);
    FileStore files;
    std::string read = "marker";
    ASSERT_EQ(files.ReadWhole(list_, read), FileResult::Ok);
    EXPECT_EQ(read, bytes);
}

TEST_F(FileStoreTest, ReadingIsRefusedWhileAnotherHandleWritesButSharedWithReaders) {
    PutList("a\r\n");
    FileStore files;
    std::string read;
    {
        OtherHandle reader(list_, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader.IsOpen());
        EXPECT_EQ(files.ReadWhole(list_, read), FileResult::Ok);
        EXPECT_EQ(read, "a\r\n");
    }
    OtherHandle writer(list_, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_EQ(files.ReadWhole(list_, read), FileResult::CannotOpen);
    EXPECT_EQ(files.ReadWhole(File("missing.txt"), read), FileResult::CannotOpen);
}

TEST_F(FileStoreTest, WritingIsRefusedWhileAnotherHandleHasTheFileOpenAtAll) {
    PutList("old\r\n");
    FileStore files;
    {
        OtherHandle reader(list_, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        ASSERT_TRUE(reader.IsOpen());
        EXPECT_EQ(files.WriteWhole(list_, "new\r\n"), FileResult::CannotCreate);
    }
    EXPECT_EQ(ListBytes(), "old\r\n");
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"list.txt"});
}

TEST_F(FileStoreTest, AReadOnlyFileOrAMissingFolderCannotBeCreated) {
    PutList("old\r\n");
    SetFileAttributesA(list_.c_str(), FILE_ATTRIBUTE_READONLY);
    FileStore files;
    EXPECT_EQ(files.WriteWhole(list_, "new\r\n"), FileResult::CannotCreate);
    EXPECT_EQ(ListBytes(), "old\r\n");
    EXPECT_EQ(files.WriteWhole(File("gone\\list.txt"), "new\r\n"), FileResult::CannotCreate);
}

TEST_F(FileStoreTest, TheListIsHeldExclusivelyWhileTheNewTextGoesIntoAHiddenFileBeside) {
    const std::string temporary = File("~list.txt.vantrel-tmp");
    PutList("old\r\n");
    FaultyFiles files;
    std::vector<DWORD> openErrors;
    files.write = [&](HANDLE file, const char* bytes, DWORD size, DWORD& written) {
        const HANDLE other =
            CreateFileA(list_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, 0);
        openErrors.push_back(other == INVALID_HANDLE_VALUE ? GetLastError() : 0);
        if (other != INVALID_HANDLE_VALUE)
            CloseHandle(other);
        EXPECT_EQ(Names(), (std::vector<std::wstring>{L"list.txt", L"~list.txt.vantrel-tmp"}));
        EXPECT_TRUE(GetFileAttributesA(temporary.c_str()) & FILE_ATTRIBUTE_HIDDEN);
        return WriteFile(file, bytes, size, &written, nullptr) != FALSE;
    };
    EXPECT_EQ(files.WriteWhole(list_, "new and longer\r\n"), FileResult::Ok);
    ASSERT_FALSE(openErrors.empty());
    for (DWORD error : openErrors)
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(ListBytes(), "new and longer\r\n");
    EXPECT_FALSE(GetFileAttributesA(list_.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"list.txt"});
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

TEST_F(FileStoreTest, AFullDiskLeavesThePreviousFileButTakesAShorterList) {
    const std::string previous = "previous\r\nlist\r\n";
    PutList(previous);
    FaultyFiles files;
    files.write = [&](HANDLE file, const char* bytes, DWORD size, DWORD& written) {
        return WriteOnFullDisk(file, bytes, size, written, previous.size());
    };
    EXPECT_EQ(files.WriteWhole(list_, "a longer replacement\r\n"), FileResult::WriteFailed);
    EXPECT_EQ(ListBytes(), previous);
    EXPECT_EQ(files.WriteWhole(list_, "shorter\r\n"), FileResult::Ok);
    EXPECT_EQ(ListBytes(), "shorter\r\n");
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"list.txt"});
}

TEST_F(FileStoreTest, AShortWriteOfANewFileLeavesNoFile) {
    FaultyFiles files;
    files.write = [](HANDLE, const char*, DWORD size, DWORD& written) {
        written = size - 1;
        return true;
    };
    EXPECT_EQ(files.WriteWhole(File("new.txt"), "a\r\n"), FileResult::WriteFailed);
    EXPECT_TRUE(Names().empty());
}

const char* const kPrevious = "old-a\r\nold-b\r\nold-c\r\n";
const char* const kLonger = "new-1\r\nnew-2\r\nnew-3\r\nnew-4\r\nnew-5\r\n";
const char* const kShorter = "new-1\r\n";

template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A Save over the case's previous list file (none: no list file yet).
template <typename Case> class SaveTest : public FileStoreTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override {
        if (const char* previous = this->GetParam().previous)
            PutList(previous);
    }
    // The list file holds exactly those bytes; none: it is absent.
    void ExpectList(const char* bytes) const {
        EXPECT_EQ(ListBytes(), bytes ? std::optional<std::string>(bytes) : std::nullopt);
    }
};

// A Save meeting a fault after its first part, on each path (a list file with a second name is
// rewritten in place; one not there yet is made fresh): the list file keeps exactly its previous bytes,
// or stays absent, unless the Save gets over the fault; nothing else is left but a copy kept (nameTaken).
struct FaultySave {
    const char* name;
    const char* previous; // none: no list file yet
    bool linked;
    const char* text;
    Call failAt;
    int nth;
    bool recovers = false;
    DWORD error = ERROR_NETNAME_DELETED;
    bool nameTaken = false;
};
class FaultySaveTest : public SaveTest<FaultySave> {};

TEST_P(FaultySaveTest, LeavesThePreviousBytesOrTheNew) {
    const FaultySave& save = GetParam();
    if (save.linked) {
        ASSERT_TRUE(CreateHardLinkA(File("link.txt").c_str(), list_.c_str(), nullptr));
    }
    if (save.failAt == Call::Create) // the temporary file's creation, refused as a folder has its name
        folder_.Folder(L"~list.txt.vantrel-tmp");
    std::vector<std::wstring> names = Names();
    FaultyFiles files;
    files.failAt = save.failAt;
    files.nth = save.nth;
    files.error = save.error;
    files.takesReplacedAway = !save.nameTaken;
    const FileResult failed = save.nameTaken ? FileResult::KeptBeside : FileResult::WriteFailed;
    EXPECT_EQ(files.WriteWhole(list_, save.text), save.recovers ? FileResult::Ok : failed);
    ExpectList(save.recovers ? save.text : save.previous);
    if (save.recovers && !save.previous)
        names.push_back(L"list.txt");
    if (save.nameTaken) { // the new list is kept, to be seen, and the message says where
        const std::string kept = File("~list.txt.vantrel-tmp"), message = shell::FileResultMessage(failed, list_);
        EXPECT_EQ(FileBytes(Widen(kept)), save.text);
        EXPECT_FALSE(GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_EQ(message.rfind("Stream write error", 0), 0u) << message;
        EXPECT_NE(message.find("~list.txt.vantrel-tmp beside " + list_), message.npos) << message;
        names.push_back(L"~list.txt.vantrel-tmp");
    }
    EXPECT_EQ(Names(), names);
}

INSTANTIATE_TEST_SUITE_P(
    EachPath, FaultySaveTest,
    ::testing::Values(
        FaultySave{"TemporaryWrite", kPrevious, false, kLonger, Call::Write, 1},
        FaultySave{"TemporaryFlush", kPrevious, false, kLonger, Call::Flush, 1},
        FaultySave{"InPlaceGrow", kPrevious, true, kLonger, Call::Write, 1},
        FaultySave{"InPlaceFlushAfterGrow", kPrevious, true, kLonger, Call::Flush, 1},
        FaultySave{"InPlaceOverwrite", kPrevious, true, kLonger, Call::Write, 2},
        FaultySave{"InPlaceOverwriteShorter", kPrevious, true, kShorter, Call::Write, 1},
        FaultySave{"InPlaceLastFlush", kPrevious, true, kLonger, Call::Flush, 2},
        FaultySave{"InPlaceLastFlushShorter", kPrevious, true, kShorter, Call::Flush, 2},
        FaultySave{"FreshWrite", nullptr, false, kShorter, Call::Write, 1},
        FaultySave{"FreshRename", nullptr, false, kShorter, Call::Rename, 1},
        // Faults a Save gets over: a redirector with nothing to flush, a replacement refused or failed (written
        // in place instead), one that took the list file away without moving the new one in, no temporary file.
        FaultySave{"FlushNotSupported", kPrevious, false, kLonger, Call::Flush, 1, true, ERROR_NOT_SUPPORTED},
        FaultySave{"FlushInvalidFunction", kPrevious, true, kLonger, Call::Flush, 2, true, ERROR_INVALID_FUNCTION},
        FaultySave{"ReplaceRefused", kPrevious, false, kLonger, Call::Replace, 1, true, ERROR_ACCESS_DENIED},
        FaultySave{"Replace", kPrevious, false, kShorter, Call::Replace, 1, true, ERROR_INVALID_PARAMETER},
        FaultySave{"FreshWithoutTemporary", nullptr, false, kShorter, Call::Create, 1, true},
        FaultySave{"ReplacementNotMovedInNameTaken", kPrevious, false, kLonger, Call::Replace, 1, false,
                   ERROR_UNABLE_TO_MOVE_REPLACEMENT, true},
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
        files.WriteWhole(Narrow(arguments[3]), kLonger);
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
class DyingSaveTest : public SaveTest<DyingSave> {};

TEST_P(DyingSaveTest, LeavesTheOldListOrTheNewAndTheNextSaveGetsOverIt) {
    const DyingSave& save = GetParam();
    const std::wstring arguments =
        std::wstring(kDieSwitch) + L" " + std::to_wstring(static_cast<int>(save.step)) + L" \"" + Widen(list_) + L"\"";
    ASSERT_EQ(support::win::RunThisProgram(arguments), FaultyFiles::kDied);
    ExpectList(save.arrived ? kLonger : save.previous);
    for (const std::wstring& name : Names())
        EXPECT_TRUE(name == L"list.txt" || name == L"~list.txt.vantrel-tmp") << name;
    EXPECT_EQ(FileStore().WriteWhole(list_, kShorter), FileResult::Ok);
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"list.txt"});
}

INSTANTIATE_TEST_SUITE_P(EachStep, DyingSaveTest,
                         ::testing::Values(DyingSave{"WhileWritingTheTemporary", kPrevious, Call::Write, false},
                                           DyingSave{"BeforeItsFlush", kPrevious, Call::Flush, false},
                                           DyingSave{"BeforeTheReplace", kPrevious, Call::Replace, false},
                                           DyingSave{"AfterTheReplace", kPrevious, Call::Replaced, true},
                                           DyingSave{"FreshWhileWriting", nullptr, Call::Write, false},
                                           DyingSave{"FreshBeforeTheRename", nullptr, Call::Rename, false}),
                         CaseName<DyingSave>);

TEST_F(FileStoreTest, AShortReadIsAReadFailure) {
    PutList("a\r\nb\r\n");
    FaultyFiles files;
    files.read = [](HANDLE file, char* buffer, DWORD size, DWORD& got) {
        return ReadFile(file, buffer, size - 1, &got, nullptr) != FALSE;
    };
    std::string read = "marker";
    EXPECT_EQ(files.ReadWhole(list_, read), FileResult::ReadFailed);
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
    ASSERT_TRUE(support::win::PutFile(Widen(path), previous));
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
    EXPECT_EQ(FileBytes(Widen(path)), previous);
    EXPECT_EQ(FileStore().WriteWhole(path, "shorter\r\n"), FileResult::Ok);
    EXPECT_EQ(FileBytes(Widen(path)), "shorter\r\n");
    DeleteFileA(path.c_str());
    DeleteFileA(filler.c_str());
}

// A symbolic link to a list in another folder, made by CMake (Wine can't) in VANTREL_LINKED_LIST.
TEST(SymbolicLinkTest, StaysALinkAndTheFileItLeadsToGetsTheList) {
    const char* folder = std::getenv("VANTREL_LINKED_LIST");
    ASSERT_NE(folder, nullptr) << "run by ctest, which names the link's folder";
    const std::wstring link = Widen(folder) + L"\\list.txt", shared = Widen(folder) + L"\\shared\\list.txt";
    ASSERT_TRUE(support::win::PutFile(shared, "old\r\n"));
    EXPECT_EQ(FileStore().WriteWhole(Narrow(link), "new\r\n"), FileResult::Ok);
    EXPECT_EQ(FileBytes(shared), "new\r\n");
    ASSERT_TRUE(support::win::PutFile(shared, "later\r\n"));
    EXPECT_EQ(FileBytes(link), "later\r\n") << "not a link now: configure again to remake it";
}

} // namespace
