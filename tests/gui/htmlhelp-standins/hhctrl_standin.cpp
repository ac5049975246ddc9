// Stands in for the system's hhctrl.ocx in a test prefix: journals each HtmlHelpW call as
// "<path>|HtmlHelpW|<owner is a window: 1 or 0>|<file, or - for none>|<command>|<data>" and shows nothing.
// It has no HtmlHelpA: a program that asked for it would find nothing to call.
#include <windows.h>

#include <string>

#include "support/win/journal.h"

namespace {

HMODULE gThisModule = nullptr;

std::wstring Fields(HWND owner, const std::wstring& file, UINT command, DWORD_PTR data) {
    return std::wstring(L"HtmlHelpW|") + (IsWindow(owner) ? L"1" : L"0") + L"|" + file + L"|" +
           std::to_wstring(command) + L"|" + std::to_wstring(data);
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        gThisModule = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpW(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data) {
    support::win::AppendJournalLine(gThisModule, Fields(owner, file ? file : L"-", command, data));
    return nullptr;
}

// Lets a test tell this stand-in from the system's own hhctrl.ocx.
extern "C" __declspec(dllexport) int WINAPI VantrelHtmlHelpStandIn() {
    return 1;
}
