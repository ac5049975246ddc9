#include "about/win/about_box.h"

#include "base/win/owners.h"
#include "forms/control_layout.h"
#include "forms/dpi_scaling.h"
#include "forms/win/application.h"
#include "forms/win/controls.h"
#include "forms/win/error_box.h"

namespace about::win {

using forms::ControlKind;
using forms::win::Application;

TfrmAbout* frmAbout = nullptr;

namespace {

constexpr char kClassName[] = "TfrmAbout";
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

// In tab order: created in this order, so Tab visits them so. OKButton is the default and the cancel
// button: Enter and Esc reach it as IDOK and IDCANCEL. The memo takes the focus, so its text can be
// selected and copied.
// clang-format off
const forms::ControlLayout kControls[] = {
    {"OKButton",         kOKButton,      ControlKind::DefaultButton, {146, 332, 75, 25}, "OK",               0, true,  false},
    {"Panel1",           kPanel1,        ControlKind::Panel,         {11, 8, 345, 305},  "",                 0, true,  false},
    {"ProgramIcon",      kProgramIcon,   ControlKind::Picture,       {10, 24, 49, 41},   "",                 0, false, false, kPanel1},
    {"lblProductName",   kProductName,   ControlKind::Label,         {88, 24, 249, 13},  kProductNamePrefix, 0, false, false, kPanel1},
    {"lblNoticeCaption", kNoticeCaption, ControlKind::Label,         {88, 52, 73, 13},   "Copyright:",       0, false, false, kPanel1},
    {"lblNoticeName",    kNoticeName,    ControlKind::Label,         {168, 52, 169, 13}, "Vantrel Software", 0, false, false, kPanel1},
    {"Comments",         kComments,      ControlKind::Label,         {10, 88, 73, 13},   "Comments:",        0, false, false, kPanel1},
    {"memComments",      kMemComments,   ControlKind::ReadOnlyText,  {88, 88, 249, 200}, "",                 0, true,  false, kPanel1},
};
// clang-format on

// Support is the help beside the program and the project's own documentation: Vantrel has no public
// address to send a user to, so none is named.
const char* const kCommentLines[] = {
    "Commercial Version",
    "",
    "Support:",
    "Press F1 on a button, option or menu",
    "item of the main window, or choose",
    "Help > Contents, for Vantrel's help:",
    "Vantrel.chm, kept beside Vantrel.exe.",
    "",
    "The project's home is its source,",
    "with its README and documentation.",
    "",
    "Please quote the version above",
    "when you ask for help.",
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

// The program's icon at its natural size for the dpi. Not shared: a shared icon is cached at the size it
// was first loaded at, and this one changes size with the dpi.
base::win::IconHandle LoadIconForDpi(int iconId, int dpi) {
    const int size = forms::ScaleToDpi(kIconSize, dpi);
    return base::win::IconHandle(
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0)));
}

} // namespace

TfrmAbout::TfrmAbout(int iconId) : iconId_(iconId) {
    CreateHandle(FrameStyle{kClassName, kFrameStyle, kFrameExStyle, kOuterWidth, kOuterHeight, true, nullptr, iconId_});
    CreateControls();
    forms::win::RunGuarded([this] { FormCreate(); });
}

void TfrmAbout::CreateControls() {
    for (const forms::ControlLayout& layout : kControls) {
        HWND window = CreateChild(forms::win::ChildOf(layout));
        switch (layout.id) {
        case kProgramIcon:
            ScaleContents(Dpi());
            break;
        case kMemComments:
            SetWindowTextA(window, CommentText().c_str());
            break;
        default:
            break;
        }
    }
}

// The picture draws the icon kept in its user data; it is given the new one before the old one goes.
void TfrmAbout::ScaleContents(int dpi) {
    base::win::IconHandle icon = LoadIconForDpi(iconId_, dpi);
    HWND picture = Child(kProgramIcon);
    SetWindowLongPtrA(picture, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon.Get()));
    InvalidateRect(picture, nullptr, TRUE);
    icon_ = std::move(icon);
}

void TfrmAbout::ShowInFront() {
    SetCaption(Application.Title());
    SetWindowTextA(Child(kProductName), (kProductNamePrefix + Application.Title()).c_str());
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

void TfrmAbout::OKButtonClick(const forms::Sender&) {
    // Closing only hides the box; it lives, with its texts and its place, until the program ends.
    ShowWindow(Handle(), SW_HIDE);
}

// The OK button's click, Enter (IDOK, as the default button) and Esc (IDCANCEL, as the cancel button).
void TfrmAbout::OnCommand(int command, const forms::Sender& sender) {
    if (command == IDOK || command == IDCANCEL)
        OKButtonClick(sender);
}

LRESULT TfrmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        OKButtonClick(forms::Sender{0, Handle()});
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_DRAWITEM: // ProgramIcon, handed on by the panel it stands on
        DrawProgramIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace about::win
