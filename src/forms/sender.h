#pragma once
// What raised a command, as a form's command handler receives it.

namespace forms {

// The id of the control, tool button, menu item or shortcut that raised it (a shortcut sends its menu
// item's id), and the control's window (an HWND), null for a menu item or shortcut. The program's
// handlers receive it, as event handlers do, and ignore it.
struct Sender {
    int id = 0;
    void* control = nullptr;
};

} // namespace forms
