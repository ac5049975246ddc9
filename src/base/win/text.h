#pragma once
// Texts between a code page (the program's ANSI code page unless told otherwise) and UTF-16, the form
// in which Windows keeps them in its controls.
#include <windows.h>

#include <string>
#include <string_view>

namespace base::win {

std::wstring Widen(std::string_view text, UINT codePage = CP_ACP);
// Characters the code page lacks become its default character ('?' for the ANSI code pages).
std::string Narrow(std::wstring_view text, UINT codePage = CP_ACP);

} // namespace base::win
