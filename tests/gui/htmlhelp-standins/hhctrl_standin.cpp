// Stands in for the system's hhctrl.ocx in a test prefix: journals each HtmlHelp call as
// "<path>|HtmlHelpA|<owner is a window: 1 or 0>|<file, or - for none>|<command>|<data>" and shows nothing.
#include <windows.h>

#include <string>

#include "journal.h"

namespace {

HMODULE gThisModule = nullptr;

std::string Fields(const char* function, HWND owner, const std::string& file, UINT command, DWORD_PTR data) {
    return std::string(function) + "|" + (IsWindow(owner) ? "1" : "0") + "|" + file + "|" + std::to_string(command) +
           "|" + std::to_string(data);
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        gThisModule = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND owner, LPCSTR file, UINT command, DWORD_PTR data) {
    standin::AppendJournalLine(gThisModule, Fields("HtmlHelpA", owner, file ? file : "-", command, data));
    return nullptr;
}

// Lets a test tell this stand-in from the system's own hhctrl.ocx.
extern "C" __declspec(dllexport) int WINAPI VantrelHtmlHelpStandIn() {
    return 1;
}
