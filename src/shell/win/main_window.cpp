#include "shell/win/main_window.h"

#include <commctrl.h>

#include <utility>

#include "base/exception.h"
#include "base/win/system_library.h"
#include "forms/dpi_scaling.h"
#include "forms/win/application.h"
#include "forms/win/error_box.h"
#include "shell/main_window_layout.h"

namespace shell::win {

using forms::win::Application;

TfrmVantrel* frmVantrel = nullptr;

namespace {

constexpr char kClassName[] = "TfrmVantrel";
// A fixed single border; the title bar offers the system menu and minimising only.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Tab, the arrow keys and the access keys work among the controls (the message loop gives keyboard
// navigation to windows with this style).
constexpr DWORD kFrameExStyle = WS_EX_CONTROLPARENT;

bool IsPushButton(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(className, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// The form the menu help hook of this thread serves.
TfrmVantrel* gMenuHelpForm = nullptr;

// Not in the SDK's headers: the message that carries the dropped names' memory across processes.
constexpr UINT kCopyGlobalData = 0x0049;

// Started elevated ("Run as administrator"), Vantrel runs at a higher integrity level than the user's
// shell, and Windows keeps the shell's messages out of its windows (User Interface Privilege Isolation):
// a file dragged from Explorer would find the window refusing it, and the taskbar's "button created"
// would never arrive. A drop's messages (WM_DROPFILES, and WM_COPYDATA and WM_COPYGLOBALDATA, by which
// the shell hands the dropped names across) and "button created" are let in, one at a time, for this
// window (ChangeWindowMessageFilterEx, Windows 7 and later). A process that isn't elevated gets them
// anyway. A refusal goes unreported: the window then works as it would without, with neither drops from
// the shell nor taskbar progress when elevated.
void AcceptShellMessages(HWND window) {
    const UINT messages[] = {WM_DROPFILES, WM_COPYDATA, kCopyGlobalData, TaskbarProgress::ButtonCreatedMessage()};
    for (const UINT message : messages) {
        if (message != 0)
            ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
    }
}

HCURSOR WaitCursorShape() {
    return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
}

} // namespace

MenuHelpHook::MenuHelpHook(TfrmVantrel& form)
    : hook_(SetWindowsHookExA(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId())) {
    gMenuHelpForm = &form;
}

MenuHelpHook::~MenuHelpHook() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
    gMenuHelpForm = nullptr;
}

LRESULT CALLBACK MenuHelpHook::Filter(int code, WPARAM wParam, LPARAM lParam) noexcept {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && gMenuHelpForm) {
        if (message->message == WM_KEYDOWN && message->wParam == VK_F1) {
            gMenuHelpForm->HelpForHighlightedMenuItem();
            return TRUE;
        }
        // The system turns this into WM_HELP for the item under the mouse pointer.
        if (message->message == forms::win::kKeyF1Message)
            return TRUE; // already answered by the key itself
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TfrmVantrel::TfrmVantrel(int iconId, forms::win::HelpViewer& help, FileDialogPlatform& fileDialogs,
                         std::function<void()> showAboutBox)
    : help_(help), fileDialogs_(fileDialogs), showAboutBox_(std::move(showAboutBox)), menuHelpHook_(*this) {
    CreateFrame(iconId);
    CreateControls();
    // Created first, this window is the application's main window (closing it ends the program), but only
    // once it is built whole: a window whose controls failed is destroyed again while the error travels to
    // the main routine, whose error box must not get that window as its owner.
    if (!Application.MainWindow())
        Application.SetMainWindow(Handle(),
                                  LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_SHORTCUTS)));
    forms::win::RunGuarded([this] { FormCreate(); });
    ShowCentred();
    // Files dropped anywhere on the window come to the frame, the one window that accepts them, from the
    // user's shell also when Vantrel runs elevated. The shell library this loads is not needed to show
    // the window, so it is loaded once the window is up.
    forms::win::RunGuarded([this] { base::win::shell32::DragAcceptFiles(Handle(), TRUE); });
    AcceptShellMessages(Handle());
}

TfrmVantrel::~TfrmVantrel() {
    if (Application.MainWindow() == Handle())
        Application.ForgetMainWindow();
}

void TfrmVantrel::CreateFrame(int iconId) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    if (!menu)
        throw base::Exception("Cannot load the main menu");
    CreateHandle(FrameStyle{kClassName, kFrameStyle, kFrameExStyle, kClientWidth, kClientHeight, false, menu, iconId});
}

void TfrmVantrel::FormCreate() {
    Application.SetTitle(kRunTitle);
    SetCaption(Application.Title());
    ScanForHostWindows(); // clears hostWasRunning, then sets it from the top-level windows
    listFileName.clear();
}

bool TfrmVantrel::IsChecked(int id) const {
    return SendMessageA(Child(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TfrmVantrel::SetStatus(const std::string& text) {
    SendMessageA(stbVantrel(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(stbVantrel());
}

LRESULT TfrmVantrel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A registered message has no fixed number to be a case of the switch.
    if (message != 0 && message == TaskbarProgress::ButtonCreatedMessage()) {
        taskbarProgress_.OnButtonCreated();
        return 0;
    }
    switch (message) {
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_HELP:
        OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
        return TRUE;
    case WM_MENUSELECT:
        OnMenuSelect(wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor() ? TRUE : DefaultHandling(message, wParam, lParam);
    case WM_DROPFILES:
        // Posted, so a drop made while a run holds the thread waits in the queue until the run is over.
        FormDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case DM_GETDEFID:
        // There is no default button; Enter presses a push button only while it has the focus.
        return FocusedPushButton();
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void TfrmVantrel::OnClose() {
    if (closing_)
        return; // a second close request queued behind the first: FormClose runs once
    CloseAction action = CloseAction::Close;
    FormClose(forms::Sender{0, Handle()}, action);
    if (action == CloseAction::None)
        return;
    closing_ = true;
    Application.Terminate();
}

void TfrmVantrel::FormClose(const forms::Sender&, CloseAction&) {
    ExitHostAtClose();
}

TfrmVantrel::WaitCursor::WaitCursor(TfrmVantrel& form) : form_(form), previous_(SetCursor(WaitCursorShape())) {
    ++form_.waitCursors_;
}

TfrmVantrel::WaitCursor::~WaitCursor() {
    --form_.waitCursors_;
    SetCursor(previous_);
}

// The controls ask their parent first (DefWindowProc), so this answers over all of them too.
bool TfrmVantrel::OnSetCursor() {
    if (waitCursors_ == 0)
        return false;
    SetCursor(WaitCursorShape());
    return true;
}

void TfrmVantrel::OnHelp(const HELPINFO& info) {
    // F1 in an open menu is answered by MenuHelpHook; a menu item's WM_HELP is not another request.
    if (info.iContextType != HELPINFO_WINDOW)
        return;
    std::vector<int> contexts;
    for (HWND window = static_cast<HWND>(info.hItemHandle); window; window = GetParent(window)) {
        contexts.push_back(static_cast<int>(GetWindowContextHelpId(window)));
        if (window == Handle())
            break;
    }
    if (const auto context = ControlHelpContext(contexts))
        ShowHelpFor(*context);
}

void TfrmVantrel::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && !menu) {
        highlightedMenuItem_ = 0; // the menu has closed
        return;
    }
    if (!(flags & MF_POPUP)) {
        highlightedMenuItem_ = LOWORD(wParam);
        return;
    }
    // A drop-down's own item comes by position; its id is its MENUEX id.
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID;
    highlightedMenuItem_ = GetMenuItemInfoA(menu, LOWORD(wParam), TRUE, &item) ? static_cast<int>(item.wID) : 0;
}

void TfrmVantrel::HelpForHighlightedMenuItem() {
    ShowHelpFor(MenuItemHelpContext(kMenuHelp, kMenuHelpCount, highlightedMenuItem_));
}

void TfrmVantrel::ShowHelpFor(int context) {
    const char* page = HelpTopicPage(context);
    // F1's topic is owned by the main window.
    help_.ShowTopic(Application.MainWindow(), page ? page : "");
}

LRESULT TfrmVantrel::FocusedPushButton() const {
    HWND focus = GetFocus();
    if (!focus || !IsChild(Handle(), focus) || !IsPushButton(focus))
        return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

} // namespace shell::win
