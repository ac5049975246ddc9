// The command table: each of the main window's commands, by its id, bound to its handler. The menu
// items, the shortcuts and the push and tool buttons all send a command's id (resource.h), so each reaches
// its one handler whichever of them raised it.
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
    {CMD_OPEN,       &TfrmVantrel::mnuOpenClick},
    {CMD_SAVE,       &TfrmVantrel::mnuSaveClick},
    {CMD_SAVEAS,     &TfrmVantrel::mnuSaveAsClick},
    {CMD_SELPRINT,   &TfrmVantrel::mnuSelPrintClick},
    {CMD_PRINTSETUP, &TfrmVantrel::mnuPrintSetupClick},
    {CMD_PRINT,      &TfrmVantrel::btnPrintClick},
    {CMD_EXIT,       &TfrmVantrel::mnuExitClick},
    {CMD_CONTENTS,   &TfrmVantrel::mnuContentsClick},
    {CMD_ABOUT,      &TfrmVantrel::mnuAboutClick},
};
// clang-format on

// Every id of the command range has its row; a command added to resource.h without one fails here.
static_assert(sizeof kCommands / sizeof kCommands[0] == CMD_LAST - CMD_FIRST + 1, "one row per command id");

} // namespace

void TfrmVantrel::OnCommand(int command, const forms::Sender& sender) {
    for (const CommandBinding& binding : kCommands) {
        if (binding.command == command) {
            (this->*binding.handler)(sender);
            return;
        }
    }
    // Anything else (a check box's or radio button's click, IDOK from Enter, IDCANCEL from Esc) is bound to
    // nothing.
}

// Closes the window the way the title bar's close button and Alt+F4 do: through WM_CLOSE, and so
// through FormClose.
void TfrmVantrel::mnuExitClick(const forms::Sender&) {
    SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

} // namespace shell::win
