#include <gtest/gtest.h>

#include "fake_file_list.h"
#include "shell/list_commands.h"
#include "support/caught.h"
#include "support/scripted_file_dialogs.h"

using fakes::MemoryFiles;
using fakes::SortedFileList;
using shell::FileResult;
using support::DialogChoice;
using support::MessageOf;
using support::ScriptedFileDialogs;

namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

struct FileListCommandsTest : ::testing::Test {
    SortedFileList list;
    std::string listFileName;
    shell::FileListDialogs dialogs;
    ScriptedFileDialogs host;
    MemoryFiles files;
    shell::FileListCommands commands{list, listFileName, dialogs, host, files};
    forms::Sender sender;

    void Answer(std::string result, int filterIndex = 1) { host.answers.push_back(DialogChoice{result, filterIndex}); }
    void Cancel() { host.answers.push_back(std::nullopt); }
};

TEST_F(FileListCommandsTest, AddInsertsEveryChosenPathAtItsSortedPlace) {
    Answer("C:\\p\0b.prt\0a.prt\0B.prt\0\0"s);
    commands.btnAddClick(sender);
    EXPECT_EQ(list.entries, (Strings{"C:\\p\\a.prt", "C:\\p\\b.prt", "C:\\p\\B.prt"}));
    EXPECT_EQ(list.events, (Strings{"insert C:\\p\\b.prt", "insert C:\\p\\a.prt", "insert C:\\p\\B.prt"}))
        << "inserted one by one, in the dialog's order, each redrawn at once";
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].dialogSpec, &shell::kAddDialogSpec);
}

TEST_F(FileListCommandsTest, AddProposesTheFirstPathAndFilterOfItsLastChoice) {
    Answer("C:\\p\0b.prt\0a.prt\0\0"s, 3);
    commands.btnAddClick(sender);
    Cancel();
    commands.btnAddClick(sender);
    Answer("C:\\p\\b.prt\0\0"s, 3);
    commands.btnAddClick(sender);
    ASSERT_EQ(host.shown.size(), 3u);
    EXPECT_EQ(host.shown[0].fileName, "");
    EXPECT_EQ(host.shown[0].filterIndex, 1);
    EXPECT_EQ(host.shown[1].fileName, "C:\\p\\b.prt");
    EXPECT_EQ(host.shown[1].filterIndex, 3);
    EXPECT_EQ(host.shown[2].fileName, "C:\\p\\b.prt") << "the cancel in between must not forget the name";
    EXPECT_EQ(host.shown[2].filterIndex, 3);
    EXPECT_EQ(list.entries, (Strings{"C:\\p\\a.prt", "C:\\p\\b.prt", "C:\\p\\b.prt"}))
        << "the same path added again stands beside the first";
}

TEST_F(FileListCommandsTest, AddKeepsThePathsBeforeARefusedOneAndDropsTheRest) {
    list.capacity = 1;
    Answer("C:\\p\0b\0a\0c\0\0"s);
    EXPECT_EQ(MessageOf([&] { commands.btnAddClick(sender); }), "Unable to insert a line");
    EXPECT_EQ(list.entries, (Strings{"C:\\p\\b"}));
    EXPECT_EQ(dialogs.dlgOpen.FileName(), "C:\\p\\b");
}

TEST_F(FileListCommandsTest, RemoveWithNothingSelectedTouchesNothing) {
    list = SortedFileList({"a", "b"});
    commands.btnRemoveClick(sender);
    EXPECT_EQ(list.entries, (Strings{"a", "b"}));
    EXPECT_TRUE(list.events.empty());
}

TEST_F(FileListCommandsTest, RemoveRefillsTheUnselectedEntriesWhileRedrawIsSuspended) {
    list = SortedFileList({"d", "a", "c", "b", "e"});
    list.selected = {1, 3};
    commands.btnRemoveClick(sender);
    EXPECT_EQ(list.entries, (Strings{"a", "c", "e"}));
    EXPECT_TRUE(list.selected.empty());
    EXPECT_EQ(list.events, (Strings{"suspend", "clear (suspended)", "insert a (suspended)", "insert c (suspended)",
                                    "insert e (suspended)", "resume"}));
}

TEST_F(FileListCommandsTest, RemoveOfEveryEntryLeavesAnEmptyListAndKeepsTheListFileName) {
    list = SortedFileList({"a", "b"});
    list.selected = {0, 1};
    listFileName = "C:\\l.txt";
    commands.btnRemoveClick(sender);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(listFileName, "C:\\l.txt");
}

TEST_F(FileListCommandsTest, ARefusedEntryDuringRemoveStillResumesTheRedraw) {
    list = SortedFileList({"a", "b", "c"});
    list.selected = {0};
    list.capacity = 1;
    EXPECT_EQ(MessageOf([&] { commands.btnRemoveClick(sender); }), "Unable to insert a line");
    EXPECT_EQ(list.entries, (Strings{"b"}));
    EXPECT_EQ(list.suspensions, 0);
    EXPECT_EQ(list.events.back(), "resume");
}

TEST_F(FileListCommandsTest, SaveWithoutListFileNameRunsSaveAsEvenForAnEmptyList) {
    Answer("C:\\new.txt");
    commands.mnuSaveClick(sender);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].dialogSpec, &shell::kSaveListDialogSpec);
    EXPECT_EQ(listFileName, "C:\\new.txt");
    EXPECT_TRUE(files.calls.empty()) << "an empty list is never written";
}

TEST_F(FileListCommandsTest, SaveAsWithAnEmptyListLeavesAnExistingFileAlone) {
    files.files["C:\\old.txt"] = "keep\r\n";
    Answer("C:\\old.txt");
    commands.mnuSaveAsClick(sender);
    EXPECT_EQ(listFileName, "C:\\old.txt");
    EXPECT_EQ(files.files["C:\\old.txt"], "keep\r\n");
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(FileListCommandsTest, SaveWritesTheSortedListToTheCurrentFileWithoutADialog) {
    list = SortedFileList({"z.prt", "A.prt", ""});
    listFileName = "C:\\l.txt";
    commands.mnuSaveClick(sender);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(files.calls, (Strings{"write C:\\l.txt"}));
    EXPECT_EQ(files.files["C:\\l.txt"], "\r\nA.prt\r\nz.prt\r\n");
}

TEST_F(FileListCommandsTest, SaveAsProposesItsOwnLastNameNotTheListFileName) {
    list = SortedFileList({"a"});
    Answer("C:\\first.txt", 2);
    commands.mnuSaveAsClick(sender);
    listFileName = "C:\\opened.txt";
    Answer("C:\\second.txt");
    commands.mnuSaveAsClick(sender);
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(host.shown[1].fileName, "C:\\first.txt");
    EXPECT_EQ(host.shown[1].filterIndex, 2);
    EXPECT_EQ(files.calls, (Strings{"write C:\\first.txt", "write C:\\second.txt"}));
    EXPECT_EQ(listFileName, "C:\\second.txt");
}

TEST_F(FileListCommandsTest, CancelledSaveAsChangesNothing) {
    list = SortedFileList({"a"});
    listFileName = "C:\\l.txt";
    Cancel();
    commands.mnuSaveAsClick(sender);
    EXPECT_EQ(listFileName, "C:\\l.txt");
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(dialogs.dlgSaveFileName.FileName(), "");
    EXPECT_EQ(dialogs.dlgSaveFileName.FilterIndex(), 1);
}

TEST_F(FileListCommandsTest, SaveFailuresNameTheFileOrTheWrite) {
    list = SortedFileList({"a"});
    listFileName = "C:\\ro.txt";
    files.failures[listFileName] = FileResult::CannotCreate;
    EXPECT_EQ(MessageOf([&] { commands.mnuSaveClick(sender); }), "Cannot create file C:\\ro.txt");
    files.failures[listFileName] = FileResult::WriteFailed;
    EXPECT_EQ(MessageOf([&] { commands.mnuSaveClick(sender); }), "Stream write error");
    EXPECT_EQ(listFileName, "C:\\ro.txt");
    EXPECT_EQ(list.entries, (Strings{"a"}));
}

TEST_F(FileListCommandsTest, OpenReplacesTheListByTheFilesLinesWhileRedrawIsSuspended) {
    list = SortedFileList({"old"});
    files.files["C:\\l.txt"] = "b\rA\n\r\nc";
    Answer("C:\\l.txt", 2);
    commands.mnuOpenClick(sender);
    EXPECT_EQ(listFileName, "C:\\l.txt");
    EXPECT_EQ(list.entries, (Strings{"", "A", "b", "c"}));
    EXPECT_EQ(list.events, (Strings{"suspend", "clear (suspended)", "insert b (suspended)", "insert A (suspended)",
                                    "insert  (suspended)", "insert c (suspended)", "resume"}));
    EXPECT_EQ(host.shown[0].dialogSpec, &shell::kOpenListDialogSpec);
    EXPECT_EQ(dialogs.dlgOpenFileName.FilterIndex(), 2);
}

TEST_F(FileListCommandsTest, OpenOfAnEmptyFileEmptiesTheListAndMakesItCurrent) {
    list = SortedFileList({"old"});
    files.files["C:\\empty.txt"] = "";
    Answer("C:\\empty.txt");
    commands.mnuOpenClick(sender);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(listFileName, "C:\\empty.txt");
}

TEST_F(FileListCommandsTest, OpenThatCannotReadKeepsTheListButTakesTheName) {
    list = SortedFileList({"old"});
    listFileName = "C:\\before.txt";
    Answer("C:\\gone.txt");
    EXPECT_EQ(MessageOf([&] { commands.mnuOpenClick(sender); }), "Cannot open file C:\\gone.txt");
    EXPECT_EQ(listFileName, "C:\\gone.txt");
    files.failures["C:\\short.txt"] = FileResult::ReadFailed;
    Answer("C:\\short.txt");
    EXPECT_EQ(MessageOf([&] { commands.mnuOpenClick(sender); }), "Stream read error");
    EXPECT_EQ(listFileName, "C:\\short.txt");
    EXPECT_EQ(list.entries, (Strings{"old"}));
    EXPECT_TRUE(list.events.empty());
}

TEST_F(FileListCommandsTest, SaveAfterOpenWritesBackToTheOpenedFile) {
    files.files["C:\\l.txt"] = "b\nx\0ignored\r\n"s;
    Answer("C:\\l.txt");
    commands.mnuOpenClick(sender);
    commands.mnuSaveClick(sender);
    EXPECT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(files.files["C:\\l.txt"], "b\r\nx\r\n");
}

TEST_F(FileListCommandsTest, CancelledOpenChangesNothing) {
    list = SortedFileList({"old"});
    listFileName = "C:\\l.txt";
    Cancel();
    commands.mnuOpenClick(sender);
    EXPECT_EQ(listFileName, "C:\\l.txt");
    EXPECT_EQ(list.entries, (Strings{"old"}));
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(dialogs.dlgOpenFileName.FileName(), "");
}

TEST_F(FileListCommandsTest, AnEmptyMultipleSelectionCountsAsACancel) {
    Answer("\0\0"s, 4);
    commands.btnAddClick(sender);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(dialogs.dlgOpen.FilterIndex(), 1);
}

} // namespace
