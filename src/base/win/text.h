#pragma once
// Texts between a code page (the program's ANSI code page unless told otherwise) and UTF-16, the form
// in which Windows keeps them in its controls and COM passes them; the program's one such conversion.
// And ANSI text in lower case by the system's rules.
#include <windows.h>

#include <string>
#include <string_view>

namespace base::win {

std::wstring Widen(std::string_view text, UINT codePage = CP_ACP);
// Characters the code page lacks become its default character ('?' for the ANSI code pages).
std::string Narrow(std::wstring_view text, UINT codePage = CP_ACP);
// Letters of the ANSI code page in lower case as CharLowerBuffA lowers them, those beyond ASCII too.
std::string AnsiLower(std::string text);

} // namespace base::win
