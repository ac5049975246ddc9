#include "about_box.h"

#include <stdexcept>

#include "form.h"

#include "application.h"
#include "dpi_scaling.h"
#include "error_box.h"
#include "main_window.h"
#include "resource.h"

TfrmAbout* frmAbout = nullptr;

namespace {

constexpr char kClassName[] = "TfrmAbout";
constexpr char kPanelClassName[] = "TfrmAboutPanel";
// A sizeable border; the title bar offers the system menu and minimising, not maximising.
constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
// Tab and Enter, Esc work among the controls (the message loop gives keyboard navigation to windows
// with this style); the panel has it too, so Tab goes on into the panel's controls.
constexpr DWORD kFrameExStyle = WS_EX_CONTROLPARENT;
// Outer size, frame included, at 96 dpi.
constexpr int kOuterWidth = 376;
constexpr int kOuterHeight = 400;
// The program's icon is drawn at its natural size.
constexpr int kIconSize = 32;

enum ControlId {
    kOKButton = IDOK,
    kPanel1 = 3000,
    kProgramIcon,
    kProductName,
    kNoticeCaption,
    kNoticeName,
    kComments,
    kMemComments
};

struct AboutControl {
    const char* name;
    int id;
    const char* className;
    DWORD style;
    DWORD exStyle;
    shell::Rect bounds; // in the window's client area, or in Panel1's for the controls inside it
    const char* text;
    bool inPanel;
};

// In tab order: created in this order, so Tab visits them so. OKButton is the default and the cancel
// button: Enter and Esc reach it as IDOK and IDCANCEL.
// clang-format off
const AboutControl kControls[] = {
    {"OKButton",         kOKButton,      "BUTTON",        WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,           0,                   {146, 332, 75, 25}, "OK",               false},
    {"Panel1",           kPanel1,        kPanelClassName, WS_GROUP | WS_CLIPCHILDREN,                         WS_EX_CONTROLPARENT, {11, 8, 345, 305},  "",                 false},
    {"ProgramIcon",      kProgramIcon,   "STATIC",        SS_OWNERDRAW,                                       0,                   {10, 24, 49, 41},   "",                 true},
    {"lblProductName",   kProductName,   "STATIC",        SS_LEFT | SS_NOPREFIX,                              0,                   {88, 24, 249, 13},  kProductNamePrefix, true},
    {"lblNoticeCaption", kNoticeCaption, "STATIC",        SS_LEFT,                                            0,                   {88, 52, 73, 13},   "Copyright:",       true},
    {"lblNoticeName",    kNoticeName,    "STATIC",        SS_LEFT,                                            0,                   {168, 52, 169, 13}, "Vantrel Software", true},
    {"Comments",         kComments,      "STATIC",        SS_LEFT,                                            0,                   {10, 88, 73, 13},   "Comments:",        true},
    // Read-only, but it takes the focus, so its text can be selected and copied. A read-only edit is
    // drawn in the colours of a static control: the button face, as the panel it stands on.
    {"memComments",      kMemComments,   "EDIT",          WS_TABSTOP | WS_GROUP | ES_MULTILINE | ES_READONLY, 0,                   {88, 88, 249, 200}, "",                 true},
};
// clang-format on

const char* const kCommentLines[] = {
    "Commercial Version",
    "",
    "Support:",
    "Vantrel Software Support",
    "support@vantrel.example",
    "",
    "Telephone: +1 555 0100",
    "Fax: +1 555 0199",
    "",
    "Web: https://vantrel.example/support",
    "Monday to Friday, 9:00 to 17:00",
    "Please quote the version above.",
    "Thank you for using Vantrel.",
};

std::string CommentText() {
    std::string text = kCommentLines[0];
    for (size_t i = 1; i < sizeof kCommentLines / sizeof kCommentLines[0]; ++i)
        text.append("\r\n").append(kCommentLines[i]);
    return text;
}

// ProgramIcon: the icon kept in the picture's user data, at its own size at the picture's top-left
// corner, on the panel's colour. The picture is drawn here because an icon static stretches its icon
// over the whole control under Wine, and only SS_CENTERIMAGE, which centres it, stops that.
void DrawProgramIcon(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const auto icon = reinterpret_cast<HICON>(GetWindowLongPtrA(item.hwndItem, GWLP_USERDATA));
    if (icon)
        DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

// Panel1: the button face with a raised inner and a lowered outer bevel (an etched edge). Besides its
// edge it only draws the program's icon: its controls' notifications are not commands.
LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_DRAWITEM) {
        DrawProgramIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT bounds;
    GetClientRect(window, &bounds);
    DrawEdge(dc, &bounds, EDGE_ETCHED, BF_RECT);
    EndPaint(window, &paint);
    return 0;
}

void RegisterPanelClass() {
    if (IsClassRegistered(kPanelClassName))
        return;
    WNDCLASSEXA panel{};
    panel.cbSize = sizeof panel;
    panel.style = CS_HREDRAW | CS_VREDRAW;
    panel.lpfnWndProc = &PanelProcedure;
    panel.hInstance = GetModuleHandleA(nullptr);
    panel.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    panel.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    panel.lpszClassName = kPanelClassName;
    if (!RegisterClassExA(&panel))
        throw std::runtime_error("Cannot register the window class TfrmAboutPanel");
}

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VANTREL), IMAGE_ICON, size, size, LR_SHARED));
}

// The client size that gives the frame its outer size, so the outer size is what the layout says.
SIZE ClientSizeFor(int outerWidth, int outerHeight) {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle);
    return SIZE{outerWidth - (frame.right - frame.left), outerHeight - (frame.bottom - frame.top)};
}

HWND CreateControl(const AboutControl& layout, HWND parent, int dpi, HFONT font) {
    const shell::Rect bounds = shell::ScaleRect(layout.bounds, dpi);
    HWND window =
        CreateWindowExA(layout.exStyle, layout.className, layout.text, WS_CHILD | WS_VISIBLE | layout.style,
                        bounds.left, bounds.top, bounds.width, bounds.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), GetModuleHandleA(nullptr), nullptr);
    if (!window)
        throw std::runtime_error(std::string("Cannot create the control ") + layout.name);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

} // namespace

TfrmAbout::TfrmAbout() : dpi_(SystemDpi()), font_(CreateFormFont(dpi_)) {
    RegisterPanelClass();
    const SIZE client = ClientSizeFor(shell::ScaleToDpi(kOuterWidth, dpi_), shell::ScaleToDpi(kOuterHeight, dpi_));
    CreateHandle(FrameStyle{kClassName, kFrameStyle, kFrameExStyle, client.cx, client.cy, nullptr,
                            LoadProgramIcon(GetSystemMetrics(SM_CXICON)),
                            LoadProgramIcon(GetSystemMetrics(SM_CXSMICON))});
    CreateControls();
    RunGuarded([this] { FormCreate(); });
}

TfrmAbout::~TfrmAbout() {
    // The frame, and with it every control, goes before the font the controls draw with.
    DestroyWindow(Handle());
}

void TfrmAbout::CreateControls() {
    HWND panel = nullptr;
    for (const AboutControl& layout : kControls) {
        HWND window = CreateControl(layout, layout.inPanel ? panel : Handle(), dpi_, font_.Get());
        switch (layout.id) {
        case kOKButton:
            lastFocus_ = window; // the first control in tab order has the focus when the box first shows
            break;
        case kPanel1:
            panel = window;
            break;
        case kProgramIcon:
            // A shared icon: the system frees it, not the picture.
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(LoadProgramIcon(shell::ScaleToDpi(kIconSize, dpi_))));
            break;
        case kProductName:
            lblProductName_ = window;
            break;
        case kMemComments:
            SetWindowTextA(window, CommentText().c_str());
            break;
        default:
            break;
        }
    }
}

void TfrmAbout::SetProductName(const std::string& caption) {
    SetWindowTextA(lblProductName_, caption.c_str());
}

void TfrmAbout::ShowInFront() {
    if (!shownBefore_) {
        shownBefore_ = true;
        ShowCentred();
    } else {
        ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    }
    SetForegroundWindow(Handle());
}

void TfrmAbout::FormCreate() {
    SetCaption(Application.Title());
}

void TfrmAbout::OKButtonClick(const Sender&) {
    // Closing only hides the box; it lives, with its texts and its place, until the program ends.
    ShowWindow(Handle(), SW_HIDE);
}

LRESULT TfrmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        // The OK button's click, Enter (IDOK, as the default button) and Esc (IDCANCEL, as the cancel
        // button); the other controls' notifications are not commands.
        const int id = LOWORD(wParam);
        if ((id == IDOK || id == IDCANCEL) && (lParam == 0 || HIWORD(wParam) == BN_CLICKED))
            OKButtonClick(Sender{id, reinterpret_cast<HWND>(lParam)});
        return 0;
    }
    case WM_CLOSE:
        OKButtonClick(Sender{0, Handle()});
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_ACTIVATE:
        RestoreFocusOnActivate(wParam);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void TfrmAbout::RestoreFocusOnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus))
            lastFocus_ = focus;
        return;
    }
    // Minimised windows take no focus; otherwise the control that had it gets it back, not the frame.
    if (HIWORD(wParam) == 0 && lastFocus_ && IsWindow(lastFocus_))
        SetFocus(lastFocus_);
}
