#include "shell/list_commands.h"

#include "base/exception.h"
#include "shell/list_file.h"
#include "shell/sorted_list.h"

namespace shell {

const char* const kInsertFailedMessage = "Unable to insert a line";

namespace {

std::vector<std::string> AllEntries(const FileList& list) {
    std::vector<std::string> entries;
    const int count = list.Count();
    entries.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    for (int i = 0; i < count; ++i)
        entries.push_back(list.Entry(i));
    return entries;
}

void ThrowUnlessOk(FileResult result, const std::string& path) {
    if (result != FileResult::Ok)
        throw base::Exception(FileResultMessage(result, path));
}

} // namespace

void FileListCommands::btnAddClick(const forms::Sender&) {
    AddPaths(dialogs_.dlgOpen.Execute(dialogPlatform_));
}

void FileListCommands::AddDropped(const std::vector<ShellName>& dropped, DropFileSystem& files) {
    const DroppedDocuments found = GatherDroppedDocuments(dropped, files);
    {
        // A drop may bring thousands: the list is drawn once when they are in, not after each.
        RedrawSuspension suspended(list_);
        AddPaths(found.paths);
    }
    const std::string leftOut = LeftOutMessage(found.leftOut);
    if (!leftOut.empty())
        throw base::Exception(leftOut);
}

void FileListCommands::AddPaths(const std::vector<std::string>& paths) {
    // Each path is inserted and shown on its own; the ones before a refused path stay.
    for (const std::string& path : paths) {
        if (!list_.Insert(path))
            throw base::Exception(kInsertFailedMessage);
    }
}

void FileListCommands::btnRemoveClick(const forms::Sender&) {
    const std::vector<int> selected = list_.Selection();
    if (selected.empty())
        return;
    const std::vector<std::string> kept = EntriesAfterRemove(AllEntries(list_), selected);
    Refill({kept.begin(), kept.end()});
}

void FileListCommands::mnuOpenClick(const forms::Sender&) {
    const std::vector<std::string> chosen = dialogs_.dlgOpenFileName.Execute(dialogPlatform_);
    if (chosen.empty())
        return;
    // The name changes before the read, so it names the file even when the read fails.
    listFileName_ = chosen.front();
    std::string bytes;
    ThrowUnlessOk(files_.ReadWhole(listFileName_, bytes), listFileName_);
    Refill(DecodeListFile(bytes));
}

void FileListCommands::mnuSaveClick(const forms::Sender& sender) {
    if (listFileName_.empty()) {
        mnuSaveAsClick(sender);
        return;
    }
    if (list_.Count() == 0)
        return;
    ThrowUnlessOk(files_.WriteWhole(listFileName_, EncodeListFile(AllEntries(list_))), listFileName_);
}

void FileListCommands::mnuSaveAsClick(const forms::Sender& sender) {
    const std::vector<std::string> chosen = dialogs_.dlgSaveFileName.Execute(dialogPlatform_);
    if (chosen.empty())
        return;
    listFileName_ = chosen.front();
    mnuSaveClick(sender);
}

void FileListCommands::Refill(const std::vector<std::string_view>& entries) {
    RedrawSuspension suspended(list_);
    list_.Clear();
    if (list_.InsertAll(entries) != entries.size())
        throw base::Exception(kInsertFailedMessage);
}

} // namespace shell
