#pragma once
// The base of the program's top-level windows (forms). It registers the window class, keeps `this` with
// the window from WM_NCCREATE on and forwards every message to HandleMessage. An exception that escapes
// HandleMessage is caught in the window procedure and shown in the error box, so none crosses the
// callback; the message then counts as handled.
#include <windows.h>

#include <string>

#include "base/win/owners.h"

// The system dpi (LOGPIXELSY of the screen), by which the 96-dpi layouts are scaled.
int SystemDpi();
// The font of every form's controls ("MS Sans Serif", 8 points) at that dpi. Throws when it can't.
base::win::FontHandle CreateFormFont(int dpi);

// Whether this program has registered a window class of that name already (classes are registered once,
// at the first window of their kind).
bool IsClassRegistered(const char* className);

class TForm {
public:
    HWND Handle() const { return window_.Get(); }
    std::string Caption() const;
    void SetCaption(const std::string& caption);

protected:
    struct FrameStyle {
        const char* className;
        DWORD style;
        DWORD exStyle;
        int clientWidth; // in device pixels
        int clientHeight;
        HMENU menu; // the window takes ownership
        HICON icon; // shared (LR_SHARED); may be null
        HICON smallIcon;
    };

    TForm() = default;
    ~TForm() = default;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    // Creates the window, hidden, with the client size asked for. Throws when it can't.
    void CreateHandle(const FrameStyle& frame);
    // Centres the window on the screen (never above or left of its edge) and shows it.
    void ShowCentred();

    // One message. Messages arrive from WM_NCCREATE on, so while the derived object's own members are
    // still being built: a handler must not rely on them before CreateHandle has returned.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    base::win::WindowHandle window_;
};
