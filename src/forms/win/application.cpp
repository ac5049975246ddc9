#include "forms/win/application.h"

namespace forms::win {

TApplication Application;

namespace {

struct MessageRange {
    UINT first;
    UINT last;
};

// The input messages, in the order they are taken out. The non-client mouse messages follow their client
// ones, as the hit test decides which a press becomes. F1's own message comes after the keys, whose
// taking out posts it. Touch and pen input (Windows 7's WM_TOUCH, the pointer messages of Windows 8 on)
// would become mouse clicks if a window let it through unhandled.
constexpr MessageRange kInputMessages[] = {
    {WM_KEYFIRST, WM_KEYLAST},     {kKeyF1Message, kKeyF1Message},
    {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
    {WM_TOUCH, WM_POINTERHWHEEL},
};

} // namespace

void TApplication::SetMainWindow(HWND window, HACCEL shortcuts) {
    mainWindow_ = window;
    shortcuts_ = shortcuts;
}

void TApplication::ForgetMainWindow() {
    mainWindow_ = nullptr;
    shortcuts_ = nullptr;
}

bool TApplication::TranslateShortcut(MSG& message) const {
    if (!mainWindow_ || !shortcuts_ || GetActiveWindow() != mainWindow_)
        return false;
    return TranslateAcceleratorA(mainWindow_, shortcuts_, &message) != 0;
}

void TApplication::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateShortcut(message))
            continue;
        HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root && (GetWindowLongPtrA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageA(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::DiscardQueuedInput() {
    MSG message;
    for (const MessageRange& range : kInputMessages) {
        while (PeekMessageA(&message, nullptr, range.first, range.last, PM_REMOVE)) {
        }
    }
}

bool TApplication::TakeQueuedEscape() {
    MSG message;
    bool escape = false;
    while (PeekMessageA(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE))
        escape = escape || message.wParam == VK_ESCAPE;
    return escape;
}

} // namespace forms::win
