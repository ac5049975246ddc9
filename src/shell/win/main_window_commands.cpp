// The main window's commands: the command table, which binds each command id to its handler, and the
// handlers. The file-list commands work on the list box, the file dialogs and the file store; the others
// on the printer dialogs, the help viewer, and for Print the window as the run reads it. The menu items,
// the shortcuts and the push and tool buttons all send a command's id (resource.h), so each reaches its
// one handler whichever of them raised it. A handler's failure escapes to the window procedure, which
// shows it in the error box; whatever the handler had done by then stays.
#include "shell/win/main_window.h"

#include <algorithm>
#include <string>

#include "base/exception.h"
#include "base/win/text.h"
#include "batch/host_lifecycle.h"
#include "batch/print_run.h"
#include "batch/win/host_windows.h"
#include "forms/win/application.h"
#include "forms/win/error_box.h"
#include "shell/dropped_documents.h"
#include "shell/fill_order.h"
#include "shell/list_file.h"
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

void ThrowUnlessOk(FileResult result, const std::string& path) {
    if (result != FileResult::Ok)
        throw base::Exception(FileResultMessage(result, path));
}

// Points the user at the entries a run failed at (ascending): they alone are selected, the first of them
// scrolled into view with the focus rectangle on it. No entries: the selection stays as the user left it.
// Of a long list thousands may have failed: each run of neighbouring entries is selected by one message,
// and the list is drawn once, when all are selected.
void SelectOnly(HWND listBox, const std::vector<int>& entries) {
    if (entries.empty())
        return;
    const ListBox::RedrawSuspension suspended{ListBox(listBox)};
    SendMessageA(listBox, LB_SETSEL, FALSE, -1);
    for (size_t first = 0, last = 0; first < entries.size(); first = ++last) {
        while (last + 1 < entries.size() && entries[last + 1] == entries[last] + 1)
            ++last;
        SendMessageA(listBox, LB_SELITEMRANGEEX, static_cast<WPARAM>(entries[first]), entries[last]);
    }
    SendMessageA(listBox, LB_SETCARETINDEX, static_cast<WPARAM>(entries.front()), FALSE);
}

// Whether a host window existed when the main window was created: process-wide, false until the scan.
// Only the scan writes it (clearing it first); only the close reads it.
bool hostWasRunning = false;

// How often the pause after printing looks for Esc.
constexpr uint32_t kEscapeLookMilliseconds = 100;

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
    bool KeepGoing() override { return form_.IsChecked(IDC_CHKKEEPGOING); }

    // A plain wait: no message is handled while it lasts. It is cut into short slices between which the
    // queue is looked at for Esc, which also keeps the window from counting as not responding (a thread
    // that has not looked at its queue for 5 seconds does).
    void Pause(uint32_t milliseconds) override {
        for (uint32_t left = milliseconds; left > 0;) {
            const uint32_t slice = std::min(left, kEscapeLookMilliseconds);
            Sleep(slice);
            left -= slice;
            StopRequested();
        }
    }

    // Esc pressed in Vantrel's window since the run began. A press during a host call waits in the queue
    // for the next look.
    bool StopRequested() override {
        stopRequested_ = stopRequested_ || forms::win::Application.TakeQueuedEscape();
        return stopRequested_;
    }

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
    ListBox list_;
    bool stopRequested_ = false;
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

void TfrmVantrel::btnAddClick(const forms::Sender&) {
    ListBox(lbxList()).Add(dlgOpen.Execute(fileDialogs_));
}

void TfrmVantrel::btnRemoveClick(const forms::Sender&) {
    ListBox list(lbxList());
    const std::vector<int> selected = list.Selection();
    if (selected.empty())
        return;
    const std::vector<std::string> kept = EntriesAfterRemove(list.Entries(), selected);
    list.Refill({kept.begin(), kept.end()});
}

void TfrmVantrel::mnuOpenClick(const forms::Sender&) {
    const std::vector<std::string> chosen = dlgOpenFileName.Execute(fileDialogs_);
    if (chosen.empty())
        return;
    // The name changes before the read, so it names the file even when the read fails.
    listFileName = chosen.front();
    std::string bytes;
    ThrowUnlessOk(FileStore().ReadWhole(listFileName, bytes), listFileName);
    ListBox(lbxList()).Refill(DecodeListFile(bytes));
}

// Save and Save As run each other, passing the sender on.
void TfrmVantrel::mnuSaveClick(const forms::Sender& sender) {
    if (listFileName.empty()) {
        mnuSaveAsClick(sender);
        return;
    }
    const ListBox list(lbxList());
    if (list.Count() == 0)
        return; // an empty list is never written
    ThrowUnlessOk(FileStore().WriteWhole(listFileName, EncodeListFile(list.Entries())), listFileName);
}

void TfrmVantrel::mnuSaveAsClick(const forms::Sender& sender) {
    const std::vector<std::string> chosen = dlgSaveFileName.Execute(fileDialogs_);
    if (chosen.empty())
        return;
    listFileName = chosen.front();
    mnuSaveClick(sender);
}

void TfrmVantrel::FormDropFiles(HDROP drop) {
    const std::vector<ShellName> dropped = TakeDroppedNames(drop);
    const WaitCursor waiting(*this);
    FindFileSystem files;
    const DroppedDocuments found = GatherDroppedDocuments(dropped, files);
    ListBox list(lbxList());
    std::string refused; // the control's refusal comes first; what the drop left out is still named
    {
        // A drop may bring thousands: the list is drawn once when they are in, not after each.
        const ListBox::RedrawSuspension suspended(list);
        try {
            list.Add(found.paths);
        } catch (const base::Exception& failure) {
            refused = failure.what();
        }
    }
    const std::string leftOut = LeftOutMessage(found.leftOut);
    if (!refused.empty() || !leftOut.empty())
        throw base::Exception(refused.empty() || leftOut.empty() ? refused + leftOut : refused + "\n\n" + leftOut);
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
    if (const std::string summary = batch::FailureSummaryText(outcome); !summary.empty())
        forms::win::ShowMessageBox(summary, MB_ICONWARNING);
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
    if (showAboutBox_)
        showAboutBox_();
}

void TfrmVantrel::ScanForHostWindows() {
    batch::win::ScanTopLevelWindows(hostWasRunning);
}

void TfrmVantrel::ExitHostAtClose() {
    batch::ExitHostAtClose(hostWasRunning, varHostApp, hostOwner, *this);
}

} // namespace shell::win
