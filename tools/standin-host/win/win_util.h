#pragma once
// The names, conversions and file helpers the stand-in host and its tests share.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace standin::win {

// {6E3B1C52-9A0D-4F8B-B1E7-2D4C5A9F0E11}, registered for "SldWorks.Application" by the register script.
constexpr CLSID kStandinHostClsid = {0x6E3B1C52, 0x9A0D, 0x4F8B, {0xB1, 0xE7, 0x2D, 0x4C, 0x5A, 0x9F, 0x0E, 0x11}};

constexpr wchar_t kScenarioFileName[] = L"standin-host.ini";
constexpr wchar_t kDefaultJournalFileName[] = L"standin-host.journal";
constexpr wchar_t kExceptionSource[] = L"Stand-in host";

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// The folder of this process's exe, with a trailing backslash.
std::wstring ExeDirectory();

// The whole content of a file, read while others may still write it; nothing when it can't be opened.
// The tests' own file helpers (tests/support/win/fixtures.h) are these too.
std::optional<std::string> ReadWholeFile(const std::wstring& path);
// Replaces the file's content; false when it cannot be created or written.
bool WriteWholeFile(const std::wstring& path, std::string_view content);

} // namespace standin::win
