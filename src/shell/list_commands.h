#pragma once
// The five commands that build and keep the file list: Add, Remove, Open, Save and Save As, and the drop
// of files and folders, which adds as Add does. They work on the main window's list, list file name and
// dialogs through seams, so the same rules hold whether the list control, the files and the dialogs are
// the platform's or a test's.
#include <string>

#include "forms/sender.h"
#include "shell/dropped_documents.h"
#include "shell/file_dialog.h"
#include "shell/list_file.h"
#include "shell/sorted_list.h"

namespace shell {

// The main window's dialogs: dlgOpen for Add, dlgOpenFileName for Open, dlgSaveFileName for Save As.
struct FileListDialogs {
    FileDialog dlgOpen{kAddDialogSpec};
    FileDialog dlgOpenFileName{kOpenListDialogSpec};
    FileDialog dlgSaveFileName{kSaveListDialogSpec};
};

// Each command ends at its first failure by throwing base::Exception with the message the
// error box shows; whatever the command had done by then stays.
// The sender is passed along from Save to Save As and back, never read.
class FileListCommands {
public:
    FileListCommands(FileList& list, std::string& listFileName, FileListDialogs& dialogs,
                     FileDialogPlatform& dialogPlatform, ListFileStore& files)
        : list_(list), listFileName_(listFileName), dialogs_(dialogs), dialogPlatform_(dialogPlatform), files_(files) {}

    void btnAddClick(const forms::Sender& sender);
    void btnRemoveClick(const forms::Sender& sender);
    void mnuOpenClick(const forms::Sender& sender);
    void mnuSaveClick(const forms::Sender& sender);
    void mnuSaveAsClick(const forms::Sender& sender);
    // Files and folders dropped on the window: added as Add adds the paths chosen in its dialog, but with
    // the list drawn once when all are in (a drop may bring thousands). What was left out (see
    // GatherDroppedDocuments) is named in the failure after the rest went in.
    void AddDropped(const std::vector<ShellName>& dropped, DropFileSystem& files);

private:
    void AddPaths(const std::vector<std::string>& paths);
    void Refill(const std::vector<std::string_view>& entries);

    FileList& list_;
    std::string& listFileName_;
    FileListDialogs& dialogs_;
    FileDialogPlatform& dialogPlatform_;
    ListFileStore& files_;
};

// The message when the list control refuses an entry.
extern const char* const kInsertFailedMessage;

} // namespace shell
