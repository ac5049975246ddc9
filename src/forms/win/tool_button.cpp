#include "forms/win/tool_button.h"

#include <commctrl.h>

#include "base/win/owners.h"
#include "base/win/system_library.h"
#include "forms/win/form.h"

namespace forms::win {
namespace {

// Per-button state, kept in the window's extra bytes.
constexpr int kPicturesSlot = 0;
constexpr int kStateSlot = static_cast<int>(sizeof(LONG_PTR));
constexpr int kNormalImageSlot = 2 * static_cast<int>(sizeof(LONG_PTR));
constexpr int kExtraBytes = 3 * static_cast<int>(sizeof(LONG_PTR));
constexpr LONG_PTR kPressed = 1;  // the left button went down on it and is still down
constexpr LONG_PTR kTracking = 2; // the mouse is captured for a press

LONG_PTR State(HWND button) {
    return GetWindowLongPtrA(button, kStateSlot);
}

void SetState(HWND button, LONG_PTR state) {
    if (State(button) != state) {
        SetWindowLongPtrA(button, kStateSlot, state);
        InvalidateRect(button, nullptr, FALSE);
    }
}

void NotifyClick(HWND button) {
    const int id = GetDlgCtrlID(button);
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void Paint(HWND button) {
    const base::win::PaintDC paint(button);
    const HDC dc = paint.Get();
    RECT bounds;
    GetClientRect(button, &bounds);
    const bool pressed = (State(button) & kPressed) != 0;
    DrawFrameControl(dc, &bounds, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    auto pictures = reinterpret_cast<HIMAGELIST>(GetWindowLongPtrA(button, kPicturesSlot));
    int width = 0;
    int height = 0;
    if (pictures && base::win::comctl32::ImageList_GetIconSize(pictures, &width, &height)) {
        const int shift = pressed ? 1 : 0; // the picture moves with the pressed face
        const int x = (bounds.right - width) / 2 + shift;
        const int y = (bounds.bottom - height) / 2 + shift;
        const int normal = static_cast<int>(GetWindowLongPtrA(button, kNormalImageSlot));
        base::win::comctl32::ImageList_Draw(pictures, normal + (IsWindowEnabled(button) ? 0 : 1), dc, x, y,
                                            ILD_TRANSPARENT);
    }
}

bool PointInside(HWND button, LPARAM lParam) {
    RECT bounds;
    GetClientRect(button, &bounds);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&bounds, point) != 0;
}

// Nothing here can throw, so no exception can leave this callback.
LRESULT CALLBACK ToolButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (const auto* pictures = static_cast<const ToolButtonPictures*>(create->lpCreateParams)) {
            SetWindowLongPtrA(button, kPicturesSlot, reinterpret_cast<LONG_PTR>(pictures->list));
            SetWindowLongPtrA(button, kNormalImageSlot, pictures->normalImage);
        }
        break;
    }
    case WM_PAINT:
        Paint(button);
        return 0;
    case WM_ERASEBKGND:
        return 1; // Paint covers every pixel
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(button);
        SetState(button, kPressed | kTracking);
        return 0;
    case WM_MOUSEMOVE:
        if (State(button) & kTracking)
            SetState(button, kTracking | (PointInside(button, lParam) ? kPressed : 0));
        return 0;
    case WM_LBUTTONUP: {
        const bool click = (State(button) & kTracking) && PointInside(button, lParam);
        SetState(button, 0);
        ReleaseCapture();
        if (click)
            NotifyClick(button);
        return 0;
    }
    case WM_CAPTURECHANGED:
        SetState(button, 0);
        return 0;
    case WM_ENABLE:
        InvalidateRect(button, nullptr, FALSE);
        return 0;
    case BM_CLICK:
        NotifyClick(button);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(button, message, wParam, lParam);
}

constexpr char kToolButtonClass[] = "VantrelToolButton";

} // namespace

const char* ToolButtonClass() {
    RegisterWindowClass(WindowClass{kToolButtonClass, &ToolButtonProcedure, 0, kExtraBytes, false});
    return kToolButtonClass;
}

void SetToolButtonPictures(HWND button, HIMAGELIST pictures) {
    SetWindowLongPtrA(button, kPicturesSlot, reinterpret_cast<LONG_PTR>(pictures));
    InvalidateRect(button, nullptr, FALSE);
}

} // namespace forms::win
