// The command table: each of the main window's commands, by its id, bound to its handler. What raises a
// command names its id: the menu items and shortcuts in vantrel.rc, the buttons and tool buttons in the
// layout tables (main_window_layout.cpp).
#include "shell/win/main_window.h"

namespace shell::win {
namespace {

using Handler = void (TfrmVantrel::*)(const forms::Sender&);

struct CommandBinding {
    int command;
    Handler handler;
};

// clang-format off
const CommandBinding kCommands[] = {
    {CMD_ADD,        &TfrmVantrel::btnAddClick},
    {CMD_REMOVE,     &TfrmVantrel::btnRemoveClick},
    {IDM_OPEN,       &TfrmVantrel::mnuOpenClick},
    {IDM_SAVE,       &TfrmVantrel::mnuSaveClick},
    {IDM_SAVEAS,     &TfrmVantrel::mnuSaveAsClick},
    {IDM_PRINT,      &TfrmVantrel::btnPrintClick},
    {IDM_SELPRINT,   &TfrmVantrel::mnuSelPrintClick},
    {IDM_PRINTSETUP, &TfrmVantrel::mnuPrintSetupClick},
    {IDM_CONTENTS,   &TfrmVantrel::mnuContentsClick},
    {IDM_ABOUT,      &TfrmVantrel::mnuAboutClick},
    {IDM_EXIT,       &TfrmVantrel::mnuExitClick},
};
// clang-format on

} // namespace

void TfrmVantrel::OnCommand(int command, const forms::Sender& sender) {
    for (const CommandBinding& binding : kCommands) {
        if (binding.command == command) {
            (this->*binding.handler)(sender);
            return;
        }
    }
    // Anything else (IDOK from Enter, IDCANCEL from Esc) is bound to nothing.
}

// Closes the window the way the title bar's close button and Alt+F4 do: through WM_CLOSE, and so
// through FormClose.
void TfrmVantrel::mnuExitClick(const forms::Sender&) {
    SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

} // namespace shell::win
