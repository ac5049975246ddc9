// Builds the main window's controls and tool bar from the layout tables.
#include <windows.h>
#include <commctrl.h>

#include "base/exception.h"
#include "base/win/system_library.h"
#include "forms/dpi_scaling.h"
#include "forms/win/controls.h"
#include "forms/win/tool_button.h"
#include "shell/main_window_layout.h"
#include "shell/win/main_window.h"

namespace shell::win {
namespace {

using base::win::BitmapHandle;
using base::win::ImageListHandle;

constexpr COLORREF kTransparentPicturePixel = RGB(255, 0, 255);

// A tool button that can't be built is named by its hint.
forms::win::ChildWindow ChildOf(const ToolButtonLayout& layout, forms::win::ToolButtonPictures& pictures) {
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
        forms::win::SetUpControl(CreateChild(forms::win::ChildOf(kControls[i])), kControls[i]);
    SendMessageA(lbxList(), LB_SETITEMHEIGHT, 0, forms::ScaleToDpi(kListItemHeight, Dpi()));
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
