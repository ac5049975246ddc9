// The file-list commands: Add, Remove, Open, Save and Save As. The rules are the portable ones
// (list_commands.h); here they meet the list box, the file dialogs and the files.
#include "shell/win/main_window.h"

#include "shell/win/file_dialogs.h"
#include "shell/win/list_box_file_list.h"
#include "shell/win/win_list_files.h"

namespace {

using Command = void (shell::FileListCommands::*)(shell::Sender);

// Runs a command on the window's list, list file name and dialogs. A failure escapes to the window
// procedure, which shows it in the error box.
void RunFileListCommand(TfrmVantrel& window, const Sender& sender, Command command) {
    shell::win::ListBoxFileList list(window.lbxList());
    shell::win::WinFileDialogHost dialogHost(window.Handle());
    shell::win::WinListFiles files;
    shell::FileListCommands commands(list, window.listFileName, window.fileDialogs, dialogHost, files);
    (commands.*command)(&sender);
}

} // namespace

void TfrmVantrel::btnAddClick(const Sender& sender) {
    RunFileListCommand(*this, sender, &shell::FileListCommands::btnAddClick);
}

void TfrmVantrel::btnRemoveClick(const Sender& sender) {
    RunFileListCommand(*this, sender, &shell::FileListCommands::btnRemoveClick);
}

void TfrmVantrel::mnuOpenClick(const Sender& sender) {
    RunFileListCommand(*this, sender, &shell::FileListCommands::mnuOpenClick);
}

void TfrmVantrel::mnuSaveClick(const Sender& sender) {
    RunFileListCommand(*this, sender, &shell::FileListCommands::mnuSaveClick);
}

void TfrmVantrel::mnuSaveAsClick(const Sender& sender) {
    RunFileListCommand(*this, sender, &shell::FileListCommands::mnuSaveAsClick);
}
