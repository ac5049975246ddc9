// The main window's commands: the command table, which binds each command id to its handler, and the
// handlers. Each runs the portable rules over the window's adapters: the list box, the common file
// dialog, the file store, the printer dialogs, the help viewer, and for Print the window as the run reads
// it. The menu items, the shortcuts and the push and tool buttons all send a command's id (resource.h),
// so each reaches its one handler whichever of them raised it.
#include "shell/win/main_window.h"

#include <string>

#include "base/win/text.h"
#include "batch/host_lifecycle.h"
#include "batch/print_run.h"
#include "batch/win/host_windows.h"
#include "forms/win/application.h"
#include "shell/win/common_file_dialog.h"
#include "shell/win/file_store.h"
#include "shell/win/list_box.h"
#include "shell/win/shell_drop.h"

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

// The file-list commands run on a fresh set of adapters over the window's own list box and dialogs.
using Command = void (FileListCommands::*)(const forms::Sender&);

// Runs a command on the window's list, list file name and dialogs. A failure escapes to the window
// procedure, which shows it in the error box.
template <typename Run> void WithFileListCommands(TfrmVantrel& window, Run run) {
    ListBoxFileList list(window.lbxList());
    CommonFileDialog dialogs(window.Handle());
    FileStore files;
    FileListCommands commands(list, window.listFileName, window.fileDialogs, dialogs, files);
    run(commands);
}

void RunFileListCommand(TfrmVantrel& window, const forms::Sender& sender, Command command) {
    WithFileListCommands(window, [&](FileListCommands& commands) { (commands.*command)(sender); });
}

// Points the user at the entries a run failed at: they alone are selected, the first of them scrolled
// into view with the focus rectangle on it. No entries: the selection stays as the user left it.
void SelectOnly(HWND listBox, const std::vector<int>& entries) {
    if (entries.empty())
        return;
    SendMessageA(listBox, LB_SETSEL, FALSE, -1);
    for (const int entry : entries)
        SendMessageA(listBox, LB_SETSEL, TRUE, entry);
    SendMessageA(listBox, LB_SETCARETINDEX, static_cast<WPARAM>(entries.front()), FALSE);
}

// Whether a host window existed when the main window was created: process-wide, false until the scan.
// Only the scan writes it (clearing it first); only the close reads it.
bool hostWasRunning = false;

// The main window as the print run reads it.
class WindowPrintRunView final : public batch::PrintRunView {
public:
    explicit WindowPrintRunView(TfrmVantrel& form) : form_(form), list_(form.lbxList()) {}

    int EntryCount() override { return list_.Count(); }
    std::string LowerCaseEntry(int index) override { return base::win::AnsiLower(list_.Entry(index)); }
    bool DisplayChosen(batch::DisplayChoice choice) override { return form_.IsChecked(RadioOf(choice)); }
    bool Isometric() override { return form_.IsChecked(IDC_CHKISOMETRIC); }
    bool ZoomToFit() override { return form_.IsChecked(IDC_CHKZOOMFIT); }
    bool Preview() override { return form_.IsChecked(IDC_CHKPREVIEW); }

    // A plain wait: no message is handled while it lasts.
    void Pause(uint32_t milliseconds) override { Sleep(milliseconds); }

    // The start-up scan's rule on the windows there now; the start-up flag stays as the scan left it.
    bool HostWindowExists() override {
        bool found = false;
        batch::win::ScanTopLevelWindows(found);
        return found;
    }

private:
    static int RadioOf(batch::DisplayChoice choice) {
        switch (choice) {
        case batch::DisplayChoice::HiddenVisible:
            return IDC_RDOHIDDENVISIBLE;
        case batch::DisplayChoice::HiddenGrayed:
            return IDC_RDOHIDDENGRAYED;
        case batch::DisplayChoice::HiddenRemoved:
            return IDC_RDOHIDDENREMOVED;
        case batch::DisplayChoice::Shaded:
            return IDC_RDOSHADED;
        }
        return 0;
    }

    TfrmVantrel& form_;
    shell::win::ListBoxFileList list_;
};

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
    FindFileSystem files;
    const WaitCursor waiting(*this);
    WithFileListCommands(*this, [&](FileListCommands& commands) { commands.AddDropped(dropped, files); });
}

void TfrmVantrel::btnPrintClick(const forms::Sender&) {
    batch::RunOutcome outcome;
    {
        const WaitCursor waiting(*this);
        WindowPrintRunView view(*this);
        outcome = batch::RunPrintBatch(view, *this, varHostApp, hostOwner, varActiveDoc, taskbarProgress_);
        // What the user pressed while the run held the thread waits in the queue; handled now it would
        // start commands long after the user gave up on them (a second run, a removal).
        if (outcome.started)
            forms::win::Application.DiscardQueuedInput();
    }
    SelectOnly(lbxList(), outcome.failedDocuments);
}

void TfrmVantrel::mnuSelPrintClick(const forms::Sender&) {
    printerDialogs.ExecutePrintDialog();
}

void TfrmVantrel::mnuPrintSetupClick(const forms::Sender&) {
    printerDialogs.ExecutePrintSetupDialog();
}

// Starts a further viewer on the help file at each use, as a program of its own: not waited for, its
// result ignored, and with no viewer to be found nothing is started and nothing is reported.
void TfrmVantrel::mnuContentsClick(const forms::Sender&) {
    help_.StartContents();
}

// The About box is not the main window's own: the program's entry hands over how to show it.
void TfrmVantrel::mnuAboutClick(const forms::Sender&) {
    if (showAboutBox)
        showAboutBox();
}

void TfrmVantrel::ScanForHostWindows() {
    batch::win::ScanTopLevelWindows(hostWasRunning);
}

void TfrmVantrel::ExitHostAtClose() {
    batch::ExitHostAtClose(hostWasRunning, varHostApp, hostOwner, *this);
}

} // namespace shell::win
