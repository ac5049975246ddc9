#pragma once
// The tool bar's buttons: raised, momentary push buttons with a picture, that never take the keyboard
// focus (a click leaves the focus where it was). Each is a child window of class "VantrelToolButton" whose
// window text is its hint, which the tooltip shows and accessibility tools read. A click, or BM_CLICK,
// sends the parent WM_COMMAND with the button's id and BN_CLICKED, as a push button does.
#include <windows.h>
#include <commctrl.h>

namespace forms::win {

// Where a button finds its pictures: an image list that may hold other buttons' too, and the index of its
// normal image, which its disabled image follows.
struct ToolButtonPictures {
    HIMAGELIST list;
    int normalImage;
};

// The class, registered at its first use. A tool button is built as a form's child of this class, its
// caption the hint and its create parameter a ToolButtonPictures* (read while the button is created);
// the form keeps the image list alive while the button exists.
const char* ToolButtonClass();

// Gives the button another image list (the pictures for a new dpi, at the same indexes) and draws it
// again; the caller keeps the list alive while the button exists, and may destroy the previous one once
// this has returned.
void SetToolButtonPictures(HWND button, HIMAGELIST pictures);

} // namespace forms::win
