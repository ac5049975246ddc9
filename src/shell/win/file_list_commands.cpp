// The file-list commands: Add, Remove, Open, Save and Save As, and files dropped on the window. The rules
// are the portable ones (list_commands.h); here they meet the list box, the file dialogs and the files.
#include "shell/win/main_window.h"

#include "shell/win/dropped_files.h"
#include "shell/win/file_dialogs.h"
#include "shell/win/list_box_file_list.h"
#include "shell/win/win_list_files.h"

namespace shell::win {
namespace {

using Command = void (FileListCommands::*)(const forms::Sender&);

// Runs a command on the window's list, list file name and dialogs. A failure escapes to the window
// procedure, which shows it in the error box.
template <typename Run> void WithFileListCommands(TfrmVantrel& window, Run run) {
    ListBoxFileList list(window.lbxList());
    WinFileDialogHost dialogHost(window.Handle());
    WinListFiles files;
    FileListCommands commands(list, window.listFileName, window.fileDialogs, dialogHost, files);
    run(commands);
}

void RunFileListCommand(TfrmVantrel& window, const forms::Sender& sender, Command command) {
    WithFileListCommands(window, [&](FileListCommands& commands) { (commands.*command)(sender); });
}

// The wait cursor while a large drop is walked and added; the handler holds the thread, so nothing
// else sets the cursor meanwhile.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

} // namespace

void TfrmVantrel::btnAddClick(const forms::Sender& sender) {
    RunFileListCommand(*this, sender, &FileListCommands::btnAddClick);
}

void TfrmVantrel::btnRemoveClick(const forms::Sender& sender) {
    RunFileListCommand(*this, sender, &FileListCommands::btnRemoveClick);
}

void TfrmVantrel::mnuOpenClick(const forms::Sender& sender) {
    RunFileListCommand(*this, sender, &FileListCommands::mnuOpenClick);
}

void TfrmVantrel::mnuSaveClick(const forms::Sender& sender) {
    RunFileListCommand(*this, sender, &FileListCommands::mnuSaveClick);
}

void TfrmVantrel::mnuSaveAsClick(const forms::Sender& sender) {
    RunFileListCommand(*this, sender, &FileListCommands::mnuSaveAsClick);
}

void TfrmVantrel::FormDropFiles(HDROP drop) {
    const std::vector<ShellName> dropped = TakeDroppedNames(drop);
    WinDropFileSystem files;
    const WaitCursor waiting;
    WithFileListCommands(*this, [&](FileListCommands& commands) { commands.AddDropped(dropped, files); });
}

} // namespace shell::win
