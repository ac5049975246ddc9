#pragma once
// The standard controls of a form's table (forms/control_layout.h): the window class and style of each
// kind, the child window a row becomes, and what a control needs once it exists.
#include <windows.h>

#include "forms/control_layout.h"
#include "forms/win/form.h"

namespace forms::win {

// The window class, style and extended style a row's control gets. The list bench and the tests build
// their list box from it, so that theirs can't drift from the program's.
struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};
WindowKind KindOf(const ControlLayout& layout);

// The child window a row describes. Siblings never draw over each other (a tool bar's buttons lie on its
// bevel).
ChildWindow ChildOf(const ControlLayout& layout);

// What a control of the row's kind needs beyond its font and help context: a check box's or radio
// button's state, a status bar's one part and its text.
void SetUpControl(HWND control, const ControlLayout& layout);

} // namespace forms::win
