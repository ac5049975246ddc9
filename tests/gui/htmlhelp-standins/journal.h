#pragma once
// The journal of the recording stand-ins for system components: one line per call, appended to the file
// that an environment variable names (VANTREL_HTMLHELP_JOURNAL for the HTML Help ones; the test sets it,
// and Vantrel and the viewers it starts inherit it).
// Each line starts with the full path of the stand-in that wrote it, so a test sees which copy ran.
#include <windows.h>

#include <string>

namespace standin {

inline std::string OwnPath(HMODULE module) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return std::string(path, length);
}

// Appends "<own path>|<fields>" and a line end in one write, so lines of several processes never mix.
inline void AppendJournalLine(HMODULE module, const std::string& fields,
                              const char* variable = "VANTREL_HTMLHELP_JOURNAL") {
    char journal[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(variable, journal, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    HANDLE file = CreateFileA(journal, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const std::string line = OwnPath(module) + "|" + fields + "\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace standin
