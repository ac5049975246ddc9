#pragma once
// The main window's list box outside the main window: the layout table's list row, made with the class,
// style and item height the main window gives it (at 96 dpi), on a parent of its own. Header only: the
// users link the shell's Windows libraries, which the rest of the test support does not need.
#include <windows.h>

#include "base/win/owners.h"
#include "forms/win/controls.h"
#include "shell/main_window_layout.h"

namespace support::win {

class MainWindowListBox {
public:
    // visible: the parent is a shown top-level window, so drawing costs what it costs in the program.
    explicit MainWindowListBox(bool visible = false)
        : parent_(CreateWindowExA(0, "STATIC", "", visible ? WS_OVERLAPPEDWINDOW | WS_VISIBLE : WS_POPUP, 0, 0, 600,
                                  400, nullptr, nullptr, nullptr, nullptr)) {
        const forms::ControlLayout& layout = ListRow();
        const forms::win::WindowKind kind = forms::win::KindOf(layout);
        listBox_ = CreateWindowExA(kind.exStyle, kind.className, "", WS_CHILD | WS_VISIBLE | kind.style,
                                   layout.bounds.left, layout.bounds.top, layout.bounds.width, layout.bounds.height,
                                   parent_.Get(), nullptr, nullptr, nullptr);
        SendMessageA(listBox_, LB_SETITEMHEIGHT, 0, shell::kListItemHeight);
    }

    HWND Get() const { return listBox_; }

private:
    static const forms::ControlLayout& ListRow() {
        for (size_t i = 0; i < shell::kControlCount; ++i) {
            if (shell::kControls[i].kind == forms::ControlKind::ListBox)
                return shell::kControls[i];
        }
        return shell::kControls[0]; // the table always holds the list
    }

    base::win::WindowHandle parent_; // destroys the list box with it
    HWND listBox_ = nullptr;
};

} // namespace support::win
