#include "forms/win/application.h"

namespace forms {

TApplication Application;

void TApplication::SetMainWindow(HWND window, HACCEL shortcuts) {
    mainWindow_ = window;
    helpOwner_ = window;
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

void TApplication::HelpContext(int context) {
    if (UsesWinHelp())
        WinHelpA(mainWindow_, helpFile_.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
    else
        htmlHelp_.ShowContext(mainWindow_, CompiledHelpPath(helpFile_), context);
}

void TApplication::StartHelpViewer() const {
    if (UsesWinHelp())
        StartWinHelpViewer(helpFile_);
    else
        StartHtmlHelpViewer(CompiledHelpPath(helpFile_));
}

void TApplication::HelpQuit() {
    if (helpFile_.empty())
        return;
    if (UsesWinHelp())
        WinHelpA(helpOwner_, helpFile_.c_str(), HELP_QUIT, 0);
    else
        htmlHelp_.CloseAll();
}

} // namespace forms
