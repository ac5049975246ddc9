#include "main_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "application.h"
#include "dpi_scaling.h"
#include "error_box.h"
#include "help_context.h"
#include "main_window_layout.h"
#include "system_library.h"

TfrmVantrel* frmVantrel = nullptr;

namespace {

constexpr char kClassName[] = "TfrmVantrel";
// A fixed single border; the title bar offers the system menu and minimising only.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Tab, the arrow keys and the access keys work among the controls (the message loop gives keyboard
// navigation to windows with this style).
constexpr DWORD kFrameExStyle = WS_EX_CONTROLPARENT;
constexpr COLORREF kTransparentPicturePixel = RGB(255, 0, 255);

ImageListHandle LoadPicture(int pictureId, int dpi) {
    const int index = shell::PictureSizeIndex(dpi);
    const int size = shell::kPictureSizes[index];
    BitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(pictureId + index),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ImageListHandle pictures(comctl32::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0));
    // The stored picture holds the normal and the disabled image side by side: two images of the list.
    if (!bitmap || !pictures ||
        comctl32::ImageList_AddMasked(pictures.Get(), bitmap.Get(), kTransparentPicturePixel) < 0)
        throw std::runtime_error("Cannot load the tool bar's pictures");
    return pictures;
}

std::vector<ImageListHandle> LoadToolPictures(int dpi) {
    static_assert(sizeof shell::kPictureSizes / sizeof shell::kPictureSizes[0] == IDB_PICTURE_SIZE_COUNT,
                  "one bitmap per picture size");
    std::vector<ImageListHandle> pictures;
    for (size_t i = 0; i < shell::kToolButtonCount; ++i)
        pictures.push_back(LoadPicture(shell::kToolButtons[i].pictureId, dpi));
    return pictures;
}

HICON LoadProgramIcon(int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VANTREL), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

bool IsPushButton(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(className, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// The form the menu help hook of this thread serves.
TfrmVantrel* gMenuHelpForm = nullptr;
// Sent for F1 beside the key itself; the system turns it into WM_HELP for the item under the mouse pointer.
constexpr UINT kKeyF1Message = 0x004D;

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
        if (message->message == kKeyF1Message)
            return TRUE; // already answered by the key itself
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TfrmVantrel::TfrmVantrel()
    : dpi_(SystemDpi()), menuHelpHook_(*this), font_(CreateFormFont(dpi_)), pictures_(LoadToolPictures(dpi_)),
      controls_(CreateFrameAndControls()) {
    // Created first, this window is the application's main window (closing it ends the program), but only
    // once it is built whole: a window whose controls failed is destroyed again while the error travels to
    // the main routine, whose error box must not get that window as its owner.
    if (!Application.MainWindow())
        Application.SetMainWindow(Handle(),
                                  LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_SHORTCUTS)));
    // varHostApp, varActiveDoc and listFileName have just been constructed, after the controls.
    RunGuarded([this] { FormCreate(); });
    lastFocus_ = lbxList(); // the first control in tab order has the focus when the window shows
    ShowCentred();
}

TfrmVantrel::~TfrmVantrel() {
    if (Application.MainWindow() == Handle())
        Application.ForgetMainWindow();
}

MainWindowControls TfrmVantrel::CreateFrameAndControls() {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    if (!menu)
        throw std::runtime_error("Cannot load the main menu");
    const FrameStyle frame{kClassName,
                           kFrameStyle,
                           kFrameExStyle,
                           shell::ScaleToDpi(shell::kClientWidth, dpi_),
                           shell::ScaleToDpi(shell::kClientHeight, dpi_),
                           menu,
                           LoadProgramIcon(SM_CXICON, SM_CYICON),
                           LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)};
    CreateHandle(frame);
    return MainWindowControls(Handle(), dpi_, font_.Get(), pictures_);
}

void TfrmVantrel::FormCreate() {
    Application.SetTitle(shell::kRunTitle);
    SetCaption(Application.Title());
    hostWasRunning = false;
    ScanForHostWindows();
    listFileName.clear();
}

bool TfrmVantrel::IsChecked(int id) const {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TfrmVantrel::SetStatusText(const std::string& text) {
    SendMessageA(stbVantrel(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TfrmVantrel::StatusText() const {
    const LRESULT length = LOWORD(SendMessageA(stbVantrel(), SB_GETTEXTLENGTHA, 0, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(stbVantrel(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

LRESULT TfrmVantrel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Controls raise commands by BN_CLICKED; their other notifications are not commands. Menu items
        // (code 0) and shortcuts (code 1) come without a control.
        if (lParam == 0 || HIWORD(wParam) == BN_CLICKED)
            RunCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_HELP:
        OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
        return TRUE;
    case WM_MENUSELECT:
        OnMenuSelect(wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (RestoreFocusOnActivate(wParam))
            return 0;
        return DefaultHandling(message, wParam, lParam);
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
    FormClose(Sender{0, Handle()}, action);
    if (action == CloseAction::None)
        return;
    closing_ = true;
    Application.Terminate();
}

void TfrmVantrel::FormClose(const Sender&, CloseAction&) {
    ExitHostAtClose();
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
    if (const auto context = shell::ControlHelpContext(contexts))
        Application.HelpContext(*context);
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
    Application.HelpContext(shell::MenuItemHelpContext(shell::kMenuHelp, shell::kMenuHelpCount, highlightedMenuItem_));
}

bool TfrmVantrel::RestoreFocusOnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus))
            lastFocus_ = focus;
        return false;
    }
    // Give the focus back to the control that had it, rather than to the frame.
    if (!lastFocus_ || !IsWindow(lastFocus_) || HIWORD(wParam) != 0)
        return false;
    SetFocus(lastFocus_);
    return true;
}

LRESULT TfrmVantrel::FocusedPushButton() const {
    HWND focus = GetFocus();
    if (!focus || !IsChild(Handle(), focus) || !IsPushButton(focus))
        return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}
