#pragma once
// Texts between the program's ANSI code page and the UTF-16 the Wine tests read windows in.
#include <string>
#include <string_view>

namespace support::win {

std::wstring Widen(std::string_view ansi);
// Characters the code page lacks become '?'.
std::string Narrow(std::wstring_view text);

} // namespace support::win
