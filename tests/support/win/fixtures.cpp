#include "support/win/fixtures.h"

#include <algorithm>

#include "win_util.h"

namespace support::win {

std::optional<std::string> FileBytes(const std::wstring& path) {
    return standin::win::ReadWholeFile(path);
}

bool PutFile(const std::wstring& path, std::string_view bytes) {
    return standin::win::WriteWholeFile(path, bytes);
}

DWORD RunThisProgram(const std::wstring& arguments) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return ~0u;
    const base::win::KernelHandle thread(process.hThread), child(process.hProcess);
    DWORD code = ~0u;
    if (WaitForSingleObject(child.Get(), 60000) != WAIT_OBJECT_0)
        TerminateProcess(child.Get(), ~0u); // a test that hangs fails rather than stalls the suite
    else
        GetExitCodeProcess(child.Get(), &code);
    return code;
}

namespace {

void DeleteEvenReadOnly(const std::wstring& file) {
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); // a read-only file can't be deleted
    DeleteFileW(file.c_str());
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + L"\\" + name);
            else
                DeleteEvenReadOnly(folder + L"\\" + name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

ScratchFolder::ScratchFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static unsigned made = 0; // two folders made within one tick stay apart
    path_ = std::wstring(base) + L"vantrel-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(made++);
    CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

std::wstring ScratchFolder::Put(const std::wstring& name, const std::string& bytes) const {
    const std::wstring file = File(name);
    PutFile(file, bytes);
    return file;
}

std::wstring ScratchFolder::Folder(const std::wstring& name) const {
    const std::wstring folder = File(name);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::vector<std::wstring> ScratchFolder::Names() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

TitledWindow::TitledWindow(const std::wstring& title, DWORD style, int width, int height) {
    constexpr wchar_t kClassName[] = L"VantrelTestTitledWindow";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass); // fails harmlessly once the class is there
    window_.Reset(CreateWindowExW(0, kClassName, title.c_str(), style, 0, 0, width, height, nullptr, nullptr,
                                  windowClass.hInstance, nullptr));
}

} // namespace support::win
