#pragma once
// The base of the program's top-level windows (forms). It owns what every form needs: the window class
// (registered once), `this` kept with the window from WM_NCCREATE on, the exception wall (an exception
// that escapes a handler is caught in the window procedure and shown in the error box, so none crosses
// the callback; the message then counts as handled), the title bar's icon, the children built from their
// descriptions, WM_COMMAND unpacked into the command and its Sender, the focus given back on activation,
// and the dpi and font the children are scaled and drawn with. A derived form handles its own messages
// and commands only.
#include <windows.h>

#include <string>
#include <vector>

#include "base/win/owners.h"
#include "forms/dpi_scaling.h"
#include "forms/sender.h"

namespace forms::win {

// The system dpi (LOGPIXELSY of the screen): the dpi of every window on a Windows without per-monitor dpi.
int SystemDpi();
// The dpi the window is drawn at: its monitor's (GetDpiForWindow from Windows 10 1607 on, GetDpiForMonitor
// on Windows 8.1 and the Windows 10 before it), else (Windows 7 and 8) the system dpi.
int WindowDpi(HWND window);

// A window class of the program. Registered at the first window of its kind, once per run.
struct WindowClass {
    const char* name;
    WNDPROC procedure;
    UINT style = 0;
    int extraBytes = 0;     // per window
    bool buttonFace = true; // the background is erased in the button face colour; else not at all
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
};
// Throws when the class can't be registered.
void RegisterWindowClass(const WindowClass& windowClass);

// One child window of a form, as its table describes it.
struct ChildWindow {
    const char* name; // in the error when it can't be built: "Cannot create the control <name>", '&'s as shown
    int id;           // a button's is the command its click raises
    const char* className;
    DWORD style; // WS_CHILD and WS_VISIBLE are added
    DWORD exStyle;
    Rect bounds; // at 96 dpi, in the parent's client area
    const char* caption;
    int helpContext = 0; // F1's topic; 0: none
    int parentId = 0;    // inside the form's child of this id; 0: the form itself
    void* createParam = nullptr;
};

class TForm {
public:
    HWND Handle() const { return window_.Get(); }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // A child by its id, the first built where two share one; null for an id the form doesn't have.
    HWND Child(int id) const;

protected:
    struct FrameStyle {
        const char* className;
        DWORD style;
        DWORD exStyle;
        int width; // at 96 dpi: of the client area, or of the whole window with outerSize
        int height;
        bool outerSize; // the size is the frame's, and the user may change it; else the client area's, kept
        HMENU menu;     // the window takes ownership
        int iconId;     // the icon resource of the title bar and the task bar, set with the class's first window
    };

    TForm();
    ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    int Dpi() const { return dpi_; }
    HFONT Font() const { return font_.Get(); }

    // Creates the window, hidden, with the size asked for scaled to the dpi of the monitor it is created
    // on, and keeps it so at every dpi it is moved to. Throws when it can't.
    void CreateHandle(const FrameStyle& frame);
    // Builds a child at the form's dpi with the form's font. The first child
    // that takes the focus by Tab has it when the form is first activated. Throws when it can't.
    HWND CreateChild(const ChildWindow& child);
    // Centres the window on the screen (never above or left of its edge) and shows it.
    void ShowCentred();

    // One message. Messages arrive from WM_NCCREATE on, so while the derived object's own members are
    // still being built: a handler must not rely on them before CreateHandle has returned.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // One command, by its id: a menu item's or a shortcut's id, the
    // id of a control that was clicked (BN_CLICKED), or IDOK and IDCANCEL from Enter and Esc. An id that
    // names no command of the form (a check box's click, say) is ignored there.
    virtual void OnCommand(int command, const Sender& sender);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    // After the children have their font and place at a new dpi: what else the form draws by the dpi.
    virtual void ScaleContents(int dpi);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(WPARAM wParam, LPARAM lParam);
    bool RestoreFocusOnActivate(WPARAM wParam);
    void DestroyChildren();
    SIZE FrameSize(int dpi) const;
    void KeepClientSize();
    void ChangeDpi(int dpi, const RECT* suggested);

    struct BuiltChild {
        int id;
        HWND window;
        Rect bounds; // at 96 dpi
    };

    FrameStyle frame_{};
    // The font outlives the children that draw with it; the children go before the frame.
    int dpi_;
    int sizeAskedAtDpi_ = 0; // the dpi Windows last asked the frame's size at, until the change to it
    base::win::FontHandle font_;
    std::vector<BuiltChild> children_; // in creation order
    HWND lastFocus_ = nullptr;         // the control that gets the focus back when the form is activated
    base::win::WindowHandle window_;
};

} // namespace forms::win
