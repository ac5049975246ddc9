#include "forms/win/application.h"

namespace forms::win {

TApplication Application;

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

} // namespace forms::win
