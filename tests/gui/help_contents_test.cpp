// Help > Contents as a user meets it: each use starts a further help viewer on the help file, as a
// program of its own that Vantrel doesn't wait for, and always the system's viewer.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "base/win/owners.h"
#include "vantrel_app.h"

using namespace gui;

namespace {

constexpr wchar_t kViewerFile[] = L"winhlp32.exe";

struct StartedProcess {
    DWORD id;
    std::wstring image; // the full path of its exe
};

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

std::wstring ImageOf(DWORD processId) {
    const base::win::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return L"";
    wchar_t path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const bool read = QueryFullProcessImageNameW(process.Get(), 0, path, &length);
    return read ? std::wstring(path, length) : L"";
}

// The help viewers a process has started and that still run: winhlp32.exe processes it is the parent of.
std::vector<StartedProcess> ViewersStartedBy(DWORD parentId) {
    std::vector<StartedProcess> viewers;
    const base::win::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return viewers;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ParentProcessID == parentId && Lower(entry.szExeFile) == kViewerFile)
            viewers.push_back({entry.th32ProcessID, ImageOf(entry.th32ProcessID)});
    }
    return viewers;
}

void EndViewersStartedBy(DWORD parentId) {
    for (const StartedProcess& viewer : ViewersStartedBy(parentId)) {
        const base::win::KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, viewer.id));
        if (!process)
            continue;
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), 5000);
    }
}

std::wstring InFolder(UINT(WINAPI* folderOf)(LPWSTR, UINT), const wchar_t* file) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = folderOf(folder, MAX_PATH);
    std::wstring path(folder, length);
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    return path + file;
}

// The viewer's places in the system: the Windows folder (Windows) and the system folder (Wine).
bool IsTheSystemsViewer(const std::wstring& image) {
    return Lower(image) == Lower(InFolder(&GetSystemWindowsDirectoryW, kViewerFile)) ||
           Lower(image) == Lower(InFolder(&GetSystemDirectoryW, kViewerFile));
}

std::wstring TheSystemsViewer() {
    const std::wstring inWindows = InFolder(&GetSystemWindowsDirectoryW, kViewerFile);
    return GetFileAttributesW(inWindows.c_str()) != INVALID_FILE_ATTRIBUTES
               ? inWindows
               : InFolder(&GetSystemDirectoryW, kViewerFile);
}

// Makes a folder this process's current folder for its lifetime.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::wstring& folder) {
        GetCurrentDirectoryW(MAX_PATH, saved_);
        set_ = SetCurrentDirectoryW(folder.c_str()) != FALSE;
    }
    ~CurrentFolder() { SetCurrentDirectoryW(saved_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    bool IsSet() const { return set_; }

private:
    wchar_t saved_[MAX_PATH] = {};
    bool set_ = false;
};

class HelpContentsTest : public VantrelTest {
protected:
    void TearDown() override {
        if (app_)
            EndViewersStartedBy(app().ProcessId());
        VantrelTest::TearDown();
    }

    std::vector<StartedProcess> Viewers() { return ViewersStartedBy(app().ProcessId()); }
    bool WaitForViewers(size_t count) {
        return WaitFor([&] { return Viewers().size() == count; }, 10000);
    }
};

// Vantrel started in a folder that holds a file named like the viewer, as the file dialogs can leave
// the current folder in any folder the user browsed to.
class HelpContentsPlantedViewerTest : public HelpContentsTest {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"vantrel-planted-viewer-" + std::to_wstring(GetCurrentProcessId());
        planted_ = folder_ + L"\\" + kViewerFile;
        CreateDirectoryW(folder_.c_str(), nullptr);
        ASSERT_TRUE(CopyFileW(TheSystemsViewer().c_str(), planted_.c_str(), FALSE)) << "cannot plant " << planted_;
        // Vantrel inherits this process's current folder at its start.
        CurrentFolder inPlantedFolder(folder_);
        ASSERT_TRUE(inPlantedFolder.IsSet());
        HelpContentsTest::SetUp();
    }

    void TearDown() override {
        HelpContentsTest::TearDown();
        DeleteFileW(planted_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring folder_;
    std::wstring planted_;
};

} // namespace

TEST_F(HelpContentsTest, ContentsChosenTwiceStartsTwoViewersWithoutWaitingForThem) {
    ASSERT_TRUE(Viewers().empty());
    PostCommand(Main(), IDM_CONTENTS);
    ASSERT_TRUE(WaitForViewers(1)) << Viewers().size() << " viewers";
    // The command has returned while the viewer runs: the window answers at once.
    EXPECT_TRUE(app().WaitUntilIdle(2000));

    PostCommand(Main(), IDM_CONTENTS);
    ASSERT_TRUE(WaitForViewers(2)) << Viewers().size() << " viewers";
    EXPECT_TRUE(app().WaitUntilIdle(2000));
    const auto viewers = Viewers();
    EXPECT_NE(viewers[0].id, viewers[1].id);
    for (const StartedProcess& viewer : viewers)
        EXPECT_TRUE(IsTheSystemsViewer(viewer.image)) << viewer.image;
    EXPECT_EQ(Status(), L"Welcome to Vantrel");
}

TEST_F(HelpContentsPlantedViewerTest, ContentsStartsTheSystemsViewerNotOneInTheCurrentFolder) {
    PostCommand(Main(), IDM_CONTENTS);
    ASSERT_TRUE(WaitForViewers(1)) << Viewers().size() << " viewers";
    const StartedProcess viewer = Viewers().front();
    EXPECT_TRUE(IsTheSystemsViewer(viewer.image)) << viewer.image;
    EXPECT_NE(Lower(viewer.image), Lower(planted_));
}
