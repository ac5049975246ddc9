#pragma once
// The one format of a form's table of controls: each row names a control, the kind of standard control
// it is, its place at 96 dpi and its caption; the Windows side (forms/win/controls.h) gives each kind its
// window class and style. Nothing here knows about window handles.
#include "forms/dpi_scaling.h"

namespace forms {

enum class ControlKind {
    Bevel,   // a lowered box frame
    ListBox, // sorted, extended multiple selection
    PushButton,
    DefaultButton, // the push button Enter presses
    Label,         // shows its caption as it is, without access keys
    RadioButton,
    CheckBox,
    StatusBar,    // one simple text panel, no size grip
    Panel,        // an etched frame whose controls stand on it; it has its owner-drawn ones drawn by the form
    Picture,      // drawn by the form
    ReadOnlyText, // several lines the user can select and copy but not change
};

struct ControlLayout {
    const char* name;
    int id; // a push button's is the command its click raises
    ControlKind kind;
    Rect bounds; // in the client area of the form, or of the panel of parentId
    const char* caption;
    int helpContext;  // 0: none
    bool startsGroup; // WS_GROUP: all but the radio buttons after the first stand alone
    bool checked;     // radio buttons and check boxes: the state at start
    int parentId = 0; // inside the form's panel of this id; 0: the form itself
};

// What the error names a control by when it can't be built: its caption, or where it has none (a list,
// a bevel) its name.
inline const char* NameInErrors(const ControlLayout& control) {
    return *control.caption ? control.caption : control.name;
}

} // namespace forms
