#pragma once
// The tool bar's buttons: raised, momentary push buttons with a picture, that never take the keyboard
// focus (a click leaves the focus where it was). Each is a child window of class "VantrelToolButton" whose
// window text is its hint, which the tooltip shows and accessibility tools read. A click, or BM_CLICK,
// sends the parent WM_COMMAND with the button's id and BN_CLICKED, as a push button does.
#include <windows.h>
#include <commctrl.h>

namespace forms {

// The class, registered at its first use. A tool button is built as a form's child of this class, its
// caption the hint and its create parameter the HIMAGELIST of its pictures: image 0 (normal) and image
// 1 (disabled), kept alive by the form while the button exists.
const char* ToolButtonClass();

// Gives the button other pictures (those for a new dpi) and draws it again; the caller keeps them alive
// while the button exists, and may destroy the previous ones once this has returned.
void SetToolButtonPictures(HWND button, HIMAGELIST pictures);

} // namespace forms
