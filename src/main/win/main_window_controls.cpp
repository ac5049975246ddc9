// Builds the main window's controls and tool bar from the layout tables.
#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "dpi_scaling.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "tool_button.h"

namespace {

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const shell::ControlSpec& layout) {
    const DWORD group = layout.startsGroup ? WS_GROUP : 0u;
    switch (layout.kind) {
    case shell::ControlKind::Bevel:
        // SS_SUNKEN gives the one-pixel lowered box; the tool buttons lie on top of it.
        return {"STATIC", SS_LEFT | SS_SUNKEN | group, 0};
    case shell::ControlKind::ListBox:
        // No integral height: the list keeps exactly its laid-out height.
        return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | group,
                WS_EX_CLIENTEDGE};
    case shell::ControlKind::PushButton:
        return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | group, 0};
    case shell::ControlKind::Label:
        return {"STATIC", SS_LEFT | group, 0};
    case shell::ControlKind::RadioButton:
        // Only the checked radio button keeps WS_TABSTOP (the button moves it as it is checked), so Tab
        // enters the group at the checked one.
        return {"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON) | (layout.startsGroup ? WS_GROUP | WS_TABSTOP : 0), 0};
    case shell::ControlKind::CheckBox:
        return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | group, 0};
    case shell::ControlKind::StatusBar:
        // Placed by the layout like every other control, and without a size grip: the frame is fixed.
        return {STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | group, 0};
    }
    return {"STATIC", 0, 0};
}

HWND CreateChild(HWND parent, const WindowKind& kind, int id, const shell::Rect& bounds, const char* caption) {
    HWND window =
        CreateWindowExA(kind.exStyle, kind.className, caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style,
                        bounds.left, bounds.top, bounds.width, bounds.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!window)
        throw std::runtime_error(std::string("Cannot create the control ") + caption);
    return window;
}

void SetUpControl(HWND window, const shell::ControlSpec& layout, int dpi, HFONT font) {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowContextHelpId(window, static_cast<DWORD>(layout.helpContext));
    switch (layout.kind) {
    case shell::ControlKind::ListBox:
        SendMessageA(window, LB_SETITEMHEIGHT, 0, shell::ScaleToDpi(shell::kListItemHeight, dpi));
        break;
    case shell::ControlKind::RadioButton:
    case shell::ControlKind::CheckBox:
        SendMessageA(window, BM_SETCHECK, layout.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case shell::ControlKind::StatusBar: {
        int rightEdges[] = {-1}; // one part across the whole bar
        SendMessageA(window, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
        SendMessageA(window, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(layout.caption));
        break;
    }
    default:
        break;
    }
}

RECT ToolButtonBounds(const shell::ToolButtonSpec& layout, int dpi) {
    const shell::Rect design{layout.left, shell::kToolButtonTop, shell::kToolButtonSize, shell::kToolButtonSize};
    const shell::Rect scaled = shell::ScaleRect(design, dpi);
    return RECT{scaled.left, scaled.top, scaled.left + scaled.width, scaled.top + scaled.height};
}

HWND CreateTooltip(HWND form) {
    HWND tooltip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip)
        throw std::runtime_error("Cannot create the tool bar's tooltip");
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

MainWindowControls::MainWindowControls(HWND form, int dpi, HFONT font, const std::vector<ImageListHandle>& pictures) {
    // Room for every window first, so that recording a created window can't fail and lose it.
    windows_.reserve(shell::kControlCount + shell::kToolButtonCount);
    try {
        for (size_t i = 0; i < shell::kControlCount; ++i) {
            const shell::ControlSpec& layout = shell::kControls[i];
            HWND window =
                CreateChild(form, KindOf(layout), layout.id, shell::ScaleRect(layout.bounds, dpi), layout.caption);
            Add(layout.id, window);
            SetUpControl(window, layout, dpi, font);
        }
        tooltip_ = CreateTooltip(form);
        for (size_t i = 0; i < shell::kToolButtonCount; ++i) {
            const shell::ToolButtonSpec& layout = shell::kToolButtons[i];
            HWND button =
                CreateToolButton(form, layout.id, ToolButtonBounds(layout, dpi), layout.hint, pictures[i].Get());
            Add(layout.id, button);
            AddHint(tooltip_, form, button, layout.hint);
        }
        // The bevel is the tool bar's background: below the buttons that stand on it.
        SetWindowPos(Get(IDC_BEVEL1), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } catch (...) {
        DestroyAll(); // a constructor that throws gets no destructor call
        throw;
    }
}

MainWindowControls::~MainWindowControls() {
    DestroyAll();
}

void MainWindowControls::DestroyAll() {
    if (tooltip_)
        DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        DestroyWindow(it->second);
    windows_.clear();
}

void MainWindowControls::Add(int id, HWND window) {
    windows_.emplace_back(id, window);
}

HWND MainWindowControls::Get(int id) const {
    for (const auto& entry : windows_) {
        if (entry.first == id)
            return entry.second;
    }
    return nullptr;
}
