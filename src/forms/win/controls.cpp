#include "forms/win/controls.h"

#include <commctrl.h>

#include "base/win/owners.h"

namespace forms::win {
namespace {

constexpr char kPanelClassName[] = "TPanel";

// The panel: the button face with a raised inner and a lowered outer bevel (an etched edge). Its owner-drawn
// controls ask it to draw them; it hands that to the form it stands on, which knows what they show. Their
// other notifications are not commands.
LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_DRAWITEM)
        return SendMessageA(GetParent(window), message, wParam, lParam);
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    const base::win::PaintDC dc(window);
    RECT bounds;
    GetClientRect(window, &bounds);
    DrawEdge(dc.Get(), &bounds, EDGE_ETCHED, BF_RECT);
    return 0;
}

} // namespace

WindowKind KindOf(const ControlLayout& layout) {
    const DWORD group = layout.startsGroup ? WS_GROUP : 0u;
    switch (layout.kind) {
    case ControlKind::Bevel:
        // SS_SUNKEN gives the one-pixel lowered box.
        return {"STATIC", SS_LEFT | SS_SUNKEN | group, 0};
    case ControlKind::ListBox:
        // No integral height: the list keeps exactly its laid-out height.
        return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | group,
                WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
        return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | group, 0};
    case ControlKind::DefaultButton:
        return {"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON | group, 0};
    case ControlKind::Label:
        return {"STATIC", SS_LEFT | SS_NOPREFIX | group, 0};
    case ControlKind::RadioButton:
        // Only the checked radio button keeps WS_TABSTOP (the button moves it as it is checked), so Tab
        // enters the group at the checked one.
        return {"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON) | (layout.startsGroup ? WS_GROUP | WS_TABSTOP : 0), 0};
    case ControlKind::CheckBox:
        return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | group, 0};
    case ControlKind::StatusBar:
        // Placed by the layout like every other control, and without a size grip: the frame is fixed.
        return {STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | group, 0};
    case ControlKind::Panel:
        // Tab goes on into the panel's controls.
        RegisterWindowClass(WindowClass{kPanelClassName, &PanelProcedure, CS_HREDRAW | CS_VREDRAW});
        return {kPanelClassName, WS_CLIPCHILDREN | group, WS_EX_CONTROLPARENT};
    case ControlKind::Picture:
        return {"STATIC", SS_OWNERDRAW | group, 0};
    case ControlKind::ReadOnlyText:
        // Read-only, but it takes the focus, so its text can be selected and copied. A read-only edit is
        // drawn in the colours of a static control: the button face, as the panel it stands on.
        return {"EDIT", WS_TABSTOP | ES_MULTILINE | ES_READONLY | group, 0};
    }
    return {"STATIC", 0, 0};
}

ChildWindow ChildOf(const ControlLayout& layout) {
    const WindowKind kind = KindOf(layout);
    return {NameInErrors(layout), layout.id,     kind.className, kind.style | WS_CLIPSIBLINGS,
            kind.exStyle,         layout.bounds, layout.caption, layout.helpContext,
            layout.parentId};
}

void SetUpControl(HWND control, const ControlLayout& layout) {
    switch (layout.kind) {
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        SendMessageA(control, BM_SETCHECK, layout.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::StatusBar: {
        int rightEdges[] = {-1}; // one part across the whole bar
        SendMessageA(control, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
        SendMessageA(control, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(layout.caption));
        break;
    }
    default:
        break;
    }
}

} // namespace forms::win
