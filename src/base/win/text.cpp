#include "base/win/text.h"

namespace base::win {

std::wstring Widen(std::string_view text, UINT codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), count);
    return wide;
}

std::string Narrow(std::wstring_view text, UINT codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int count = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), count, nullptr, nullptr);
    return narrow;
}

std::string AnsiLower(std::string text) {
    if (!text.empty())
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace base::win
