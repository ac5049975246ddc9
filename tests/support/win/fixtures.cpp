#include "support/win/fixtures.h"

#include "win_util.h"

namespace support::win {

std::optional<std::string> FileBytes(const std::wstring& path) {
    return standin::ReadWholeFile(path);
}

bool PutFile(const std::wstring& path, std::string_view bytes) {
    return standin::WriteWholeFile(path, bytes);
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
