// The command table: every control, tool button, menu item and shortcut of the main window, bound to its
// handler. Triggers of one command share one handler method; the shortcuts send their menu items' ids
// (vantrel.rc), so they appear here through those.
#include "shell/win/main_window.h"

namespace {

using Handler = void (TfrmVantrel::*)(const Sender&);

struct CommandBinding {
    int id;
    Handler handler;
};

// clang-format off
const CommandBinding kCommands[] = {
    {IDC_BTNADD,         &TfrmVantrel::btnAddClick},
    {IDC_SBTNADD,        &TfrmVantrel::btnAddClick},
    {IDC_BTNREMOVE,      &TfrmVantrel::btnRemoveClick},
    {IDC_SBTNREMOVE,     &TfrmVantrel::btnRemoveClick},
    {IDM_OPEN,           &TfrmVantrel::mnuOpenClick},       // also Ctrl+O
    {IDC_SBTNOPEN,       &TfrmVantrel::mnuOpenClick},
    {IDM_SAVE,           &TfrmVantrel::mnuSaveClick},       // also Ctrl+S
    {IDC_SBTNSAVE,       &TfrmVantrel::mnuSaveClick},
    {IDM_SAVEAS,         &TfrmVantrel::mnuSaveAsClick},
    {IDC_BTNPRINT,       &TfrmVantrel::btnPrintClick},
    {IDC_SBTNPRINT,      &TfrmVantrel::btnPrintClick},
    {IDM_PRINT,          &TfrmVantrel::btnPrintClick},      // also Ctrl+P
    {IDM_SELPRINT,       &TfrmVantrel::mnuSelPrintClick},
    {IDC_SBTNSELPRINT,   &TfrmVantrel::mnuSelPrintClick},
    {IDM_PRINTSETUP,     &TfrmVantrel::mnuPrintSetupClick},
    {IDC_SBTNPRINTSETUP, &TfrmVantrel::mnuPrintSetupClick},
    {IDM_CONTENTS,       &TfrmVantrel::mnuContentsClick},
    {IDM_ABOUT,          &TfrmVantrel::mnuAboutClick},
    {IDM_EXIT,           &TfrmVantrel::mnuExitClick},
    {IDC_SBTNEXIT,       &TfrmVantrel::mnuExitClick},
};
// clang-format on

} // namespace

void TfrmVantrel::RunCommand(int id, HWND control) {
    for (const CommandBinding& binding : kCommands) {
        if (binding.id == id) {
            (this->*binding.handler)(Sender{id, control});
            return;
        }
    }
    // Anything else (IDOK from Enter, IDCANCEL from Esc) is bound to nothing.
}

// Closes the window the way the title bar's close button and Alt+F4 do: through WM_CLOSE, and so
// through FormClose.
void TfrmVantrel::mnuExitClick(const Sender&) {
    SendMessageA(Handle(), WM_CLOSE, 0, 0);
}
