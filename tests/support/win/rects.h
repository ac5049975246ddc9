#pragma once
// Rectangles as the GUI tests write and compare them: laid out as left, top, width and height, compared
// edge for edge, and shown in a failure's message as "(left,top)-(right,bottom)".
#include <windows.h>

#include <string>

namespace support::win {

inline RECT At(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

inline bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

inline std::wstring Describe(const RECT& r) {
    return L"(" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L")-(" + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom) + L")";
}

} // namespace support::win
