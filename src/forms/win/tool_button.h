#pragma once
// The tool bar's buttons: raised, momentary push buttons with a picture, that never take the keyboard
// focus (a click leaves the focus where it was). Each is a child window of class "VantrelToolButton" whose
// window text is its hint, which the tooltip shows and accessibility tools read. A click, or BM_CLICK,
// sends the parent WM_COMMAND with the button's id and BN_CLICKED, as a push button does.
#include <windows.h>
#include <commctrl.h>

inline constexpr char kToolButtonClass[] = "VantrelToolButton";

// pictures holds image 0 (normal) and image 1 (disabled); the caller keeps it alive while the button
// exists. Throws when the button can't be created.
HWND CreateToolButton(HWND parent, int id, const RECT& bounds, const char* hint, HIMAGELIST pictures);
