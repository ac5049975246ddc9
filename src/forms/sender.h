#pragma once
// What raised a command, as a form's command handler receives it.

namespace forms {

// The command's id, which its menu item, shortcut, button and tool button all send, and the window (an
// HWND) of the control that raised it, null for a menu item or shortcut: only the window tells a push
// button from the tool button that shares its id. The program's handlers receive it, as event handlers
// do, and ignore it.
struct Sender {
    int id = 0;
    void* control = nullptr;
};

} // namespace forms
