#pragma once
// The journal of the recording stand-ins for system components: one line per call, appended to the file
// that an environment variable names (VANTREL_HTMLHELP_JOURNAL for the HTML Help ones; the test sets it,
// and Vantrel and the viewers it starts inherit it). Each line starts with the full path of the stand-in
// that wrote it, so a test sees which copy ran. Lines are UTF-8: the paths they carry may hold any
// character a Windows file name can.
#include <windows.h>

#include <string>

#include "base/win/text.h"

namespace support::win {

inline std::wstring OwnPath(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return std::wstring(path, length);
}

inline std::wstring JournalPath(const wchar_t* variable = L"VANTREL_HTMLHELP_JOURNAL") {
    wchar_t journal[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(variable, journal, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::wstring() : std::wstring(journal, length);
}

inline bool JournalExists() {
    const std::wstring journal = JournalPath();
    return !journal.empty() && GetFileAttributesW(journal.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Appends "<own path>|<fields>" and a line end in one write, so lines of several processes never mix.
inline void AppendJournalLine(HMODULE module, const std::wstring& fields,
                              const wchar_t* variable = L"VANTREL_HTMLHELP_JOURNAL") {
    const std::wstring journal = JournalPath(variable);
    if (journal.empty())
        return;
    HANDLE file = CreateFileW(journal.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const std::string line = base::win::Narrow(OwnPath(module) + L"|" + fields, CP_UTF8) + "\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace support::win
