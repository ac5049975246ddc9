// Builds the main window's controls and tool bar from the layout tables.
#include <windows.h>
#include <commctrl.h>

#include "base/exception.h"
#include "base/win/system_library.h"
#include "forms/dpi_scaling.h"
#include "forms/win/tool_button.h"
#include "shell/main_window_layout.h"
#include "shell/win/main_window.h"

namespace shell::win {
namespace {

using base::win::BitmapHandle;
using base::win::ImageListHandle;

constexpr COLORREF kTransparentPicturePixel = RGB(255, 0, 255);

} // namespace

WindowKind KindOf(const ControlSpec& layout) {
    const DWORD group = layout.startsGroup ? WS_GROUP : 0u;
    switch (layout.kind) {
    case ControlKind::Bevel:
        // SS_SUNKEN gives the one-pixel lowered box; the tool buttons lie on top of it.
        return {"STATIC", SS_LEFT | SS_SUNKEN | group, 0};
    case ControlKind::ListBox:
        // No integral height: the list keeps exactly its laid-out height.
        return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | group,
                WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
        return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | group, 0};
    case ControlKind::Label:
        return {"STATIC", SS_LEFT | group, 0};
    case ControlKind::RadioButton:
        // Only the checked radio button keeps WS_TABSTOP (the button moves it as it is checked), so Tab
        // enters the group at the checked one.
        return {"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON) | (layout.startsGroup ? WS_GROUP | WS_TABSTOP : 0), 0};
    case ControlKind::CheckBox:
        return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | group, 0};
    case ControlKind::StatusBar:
        // Placed by the layout like every other control, and without a size grip: the frame is fixed.
        return {STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | group, 0};
    }
    return {"STATIC", 0, 0};
}

namespace {

forms::win::ChildWindow ChildOf(const ControlSpec& layout) {
    const WindowKind kind = KindOf(layout);
    return {NameInErrors(layout), layout.id,     kind.className, kind.style | WS_CLIPSIBLINGS,
            kind.exStyle,         layout.bounds, layout.caption, layout.helpContext};
}

// A tool button that can't be built is named by its hint.
forms::win::ChildWindow ChildOf(const ToolButtonSpec& layout, forms::win::ToolButtonPictures& pictures) {
    return {layout.hint,
            layout.command,
            forms::win::ToolButtonClass(),
            WS_CLIPSIBLINGS,
            0,
            forms::Rect{layout.left, kToolButtonTop, kToolButtonSize, kToolButtonSize},
            layout.hint,
            0,
            0,
            &pictures};
}

// What a control of the kind needs beyond its font and help context.
void SetUpControl(HWND window, const ControlSpec& layout, int dpi) {
    switch (layout.kind) {
    case ControlKind::ListBox:
        SendMessageA(window, LB_SETITEMHEIGHT, 0, forms::ScaleToDpi(kListItemHeight, dpi));
        break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        SendMessageA(window, BM_SETCHECK, layout.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::StatusBar: {
        int rightEdges[] = {-1}; // one part across the whole bar
        SendMessageA(window, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
        SendMessageA(window, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(layout.caption));
        break;
    }
    default:
        break;
    }
}

// Two images per tool button: its normal one, then its disabled one.
constexpr int kImagesPerButton = 2;

// The pictures of every tool button at the size for that dpi, from that size's strip: the strip's images
// side by side become the list's images in order. A strip that doesn't hold two images for each button
// of the table fails here rather than drawing the wrong pictures.
ImageListHandle LoadToolBarPictures(int dpi) {
    const int index = forms::PictureSizeIndex(dpi);
    const int size = forms::kPictureSizes[index];
    const int count = kImagesPerButton * static_cast<int>(kToolButtonCount);
    BitmapHandle strip(static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TOOLBAR_16 + index), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ImageListHandle pictures(base::win::comctl32::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
    if (!strip || !pictures ||
        base::win::comctl32::ImageList_AddMasked(pictures.Get(), strip.Get(), kTransparentPicturePixel) < 0 ||
        base::win::comctl32::ImageList_GetImageCount(pictures.Get()) != count)
        throw base::Exception("Cannot load the tool bar's pictures");
    return pictures;
}

// The tool bar's hints. The tooltip is owned by the frame, and destroyed with it.
HWND CreateTooltip(HWND form) {
    HWND tooltip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip)
        throw base::Exception("Cannot create the tool bar's tooltip");
    return tooltip;
}

void AddHint(HWND tooltip, HWND form, HWND button, const char* hint) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<char*>(hint);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

void TfrmVantrel::CreateControls() {
    static_assert(sizeof forms::kPictureSizes / sizeof forms::kPictureSizes[0] == IDB_PICTURE_SIZE_COUNT,
                  "one strip per picture size");
    for (size_t i = 0; i < kControlCount; ++i)
        SetUpControl(CreateChild(ChildOf(kControls[i])), kControls[i], Dpi());
    HWND tooltip = CreateTooltip(Handle());
    pictures_ = LoadToolBarPictures(Dpi());
    toolButtons_.reserve(kToolButtonCount);
    for (size_t i = 0; i < kToolButtonCount; ++i) {
        forms::win::ToolButtonPictures pictures{pictures_.Get(), kImagesPerButton * static_cast<int>(i)};
        HWND button = CreateChild(ChildOf(kToolButtons[i], pictures));
        toolButtons_.push_back(button);
        AddHint(tooltip, Handle(), button, kToolButtons[i].hint);
    }
    // The bevel is the tool bar's background: below the buttons that stand on it.
    SetWindowPos(Child(IDC_BEVEL1), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A list box takes its item height from a new font; the layout's height is kept. The buttons get their
// new pictures before the old ones go.
void TfrmVantrel::ScaleContents(int dpi) {
    SendMessageA(lbxList(), LB_SETITEMHEIGHT, 0, forms::ScaleToDpi(kListItemHeight, dpi));
    ImageListHandle pictures = LoadToolBarPictures(dpi);
    for (HWND button : toolButtons_)
        forms::win::SetToolButtonPictures(button, pictures.Get());
    pictures_ = std::move(pictures);
}

} // namespace shell::win
