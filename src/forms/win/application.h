#pragma once
// The application object: the process-wide title, the main window with its shortcuts, and the message
// loop. One instance, Application, lives for the whole process.
#include <windows.h>

#include <string>

namespace forms::win {

// Posted beside an F1 key-down as the key is taken from the queue; the system makes WM_HELP of it.
constexpr UINT kKeyF1Message = 0x004D;

class TApplication {
public:
    // The title captions the main window, the About box and the error box.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // The first form built whole becomes the main window: closing it ends the program, and it owns the
    // error box. Null until then.
    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window, HACCEL shortcuts);
    // The main window is being destroyed.
    void ForgetMainWindow();

    // Runs the message loop until a quit request arrives. Keyboard navigation (Tab, arrows, access keys)
    // is given to every top-level window of ours that has WS_EX_CONTROLPARENT; the main window's
    // shortcuts work while it is the active window.
    void Run();
    // Asks the message loop to end once it reaches the request.
    void Terminate();
    // Takes the keyboard, mouse, touch and pen input queued for this thread's windows out of the queue
    // without handling it. A handler that held the thread (a print run) calls it as it ends, so that what
    // the user pressed meanwhile doesn't start commands after it; posted messages, paint and timers stay.
    void DiscardQueuedInput();
    // Whether Esc was pressed in one of this thread's windows since the last look. For a handler that
    // holds the thread and handles no messages (a print run): it takes the queued key presses out of the
    // queue, as only that sees past the first of them, and so a short press during a long host call is
    // seen at the next look. What it takes would be dropped by DiscardQueuedInput at the handler's end.
    bool TakeQueuedEscape();

private:
    bool TranslateShortcut(MSG& message) const;

    std::string title_;
    HWND mainWindow_ = nullptr;
    HACCEL shortcuts_ = nullptr;
};

extern TApplication Application;

} // namespace forms::win
