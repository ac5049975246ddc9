// The file list as a user works it: Add through the real file dialog, Save As and Save with the file's
// bytes compared, Open of list files with every kind of line end, the error box of an Open that fails,
// and cancelled dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/win/fixtures.h"
#include "vantrel_app.h"

using namespace gui;
using support::win::FileBytes;
using support::win::ScratchFolder;

namespace {

using Entries = std::vector<std::wstring>;
using namespace std::string_literals;

class FileListTest : public VantrelTest {
protected:
    // Opens a dialog by posting the command, and waits for it.
    HWND OpenDialog(int commandId) {
        PostCommand(Main(), commandId);
        return WaitDialog();
    }
    HWND WaitDialog() {
        HWND dialog = app().WaitForDialog(10000);
        EXPECT_NE(dialog, nullptr) << "no file dialog";
        // Let the dialog finish its own set-up (it fills the name box after it shows).
        app().WaitUntilIdle();
        return dialog;
    }
    // Types a name into the dialog and presses its OK button ("Open" or "Save").
    void Choose(HWND dialog, const std::wstring& name) {
        ASSERT_TRUE(SetFileName(dialog, name));
        PressDialogButton(dialog, IDOK);
    }
    // Waits until the dialog is gone and the command that showed it has returned.
    void WaitClosed(HWND dialog) {
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10000));
        EXPECT_TRUE(app().WaitUntilIdle());
    }
    void ChooseAndWait(HWND dialog, const std::wstring& name) {
        Choose(dialog, name);
        WaitClosed(dialog);
    }
    void Cancel(HWND dialog) {
        PressDialogButton(dialog, IDCANCEL);
        WaitClosed(dialog);
    }
    Entries Items() { return ListBoxItems(List()); }
    void Fill(const Entries& entries) {
        for (const std::wstring& entry : entries)
            AddListBoxItem(List(), entry);
    }
    void SaveAs(const std::wstring& path) { ChooseAndWait(OpenDialog(CMD_SAVEAS), path); }
    void OpenList(const std::wstring& path) { ChooseAndWait(OpenDialog(CMD_OPEN), path); }

    ScratchFolder folder;
};

TEST_F(FileListTest, AddOfSeveralFilesFromOneFolderGivesFolderBackslashAndNameForEach) {
    folder.Put(L"b.SLDASM");
    folder.Put(L"a.sldprt");
    folder.Put(L"c.slddrw");
    PostClick(Button(L"&Add..."));
    HWND dialog = WaitDialog();
    // Into the folder first (the dialog stays open), then the names, as a user types them.
    Choose(dialog, folder.Path());
    ASSERT_TRUE(WaitFor([&] { return WindowText(FileNameBox(dialog)).empty(); }, 5000));
    ChooseAndWait(dialog, L"\"c.slddrw\" \"a.sldprt\"");
    EXPECT_EQ(Items(), (Entries{folder.File(L"a.sldprt"), folder.File(L"c.slddrw")}));
}

TEST_F(FileListTest, AddOfOneFileGivesItsFullPathAndProposesItNextTime) {
    const std::wstring part = folder.Put(L"only.sldprt");
    PostClick(ToolButton(L"Add Files"));
    ChooseAndWait(WaitDialog(), part);
    EXPECT_EQ(Items(), Entries{part});

    PostClick(Button(L"&Add..."));
    HWND dialog = WaitDialog();
    EXPECT_EQ(WindowText(FileNameBox(dialog)), L"only.sldprt") << "the last path is proposed, in its folder";
    PressDialogButton(dialog, IDOK);
    WaitClosed(dialog);
    EXPECT_EQ(Items(), (Entries{part, part})) << "confirming it unchanged adds it once more";
}

TEST_F(FileListTest, SaveAsWritesTheSortedListAndSaveWritesItAgainWithoutADialog) {
    Fill({L"C:\\parts\\z.sldprt", L"", L"C:\\Parts\\A.SLDASM"});
    const std::wstring list = folder.File(L"list.txt");
    SaveAs(folder.File(L"list"));
    EXPECT_EQ(FileBytes(list), "\r\nC:\\Parts\\A.SLDASM\r\nC:\\parts\\z.sldprt\r\n"s)
        << "a name typed without extension gets .txt";

    Fill({L"C:\\parts\\m.slddrw"});
    PostClick(ToolButton(L"Save File"));
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(app().WaitForDialog(500), nullptr) << "Save with a current list file asks nothing";
    EXPECT_EQ(FileBytes(list), "\r\nC:\\Parts\\A.SLDASM\r\nC:\\parts\\m.slddrw\r\nC:\\parts\\z.sldprt\r\n"s);
}

TEST_F(FileListTest, SaveWithoutAListFileRunsSaveAsAndAnEmptyListWritesNothing) {
    const std::wstring existing = folder.Put(L"keep.txt", "kept\r\n");
    HWND dialog = OpenDialog(CMD_SAVE);
    Choose(dialog, existing);
    // Replacing an existing file asks first; confirming it still writes nothing for an empty list.
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            for (HWND window : app().TopLevelWindows())
                if (window != dialog && IsWindowVisible(window) && ClassName(window) == L"#32770")
                    confirm = window;
            return confirm != nullptr;
        },
        10000));
    PressDialogButton(confirm, IDYES);
    WaitClosed(dialog);
    EXPECT_EQ(FileBytes(existing), "kept\r\n");

    Fill({L"x"});
    PostCommand(Main(), CMD_SAVE);
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(FileBytes(existing), "x\r\n"s) << "the name chosen with the empty list is the current list file";
}

TEST_F(FileListTest, OpenTakesCrLfLoneCrLoneLfAndStopsAtANul) {
    Fill({L"former"});
    const std::wstring list =
        folder.Put(L"ends.txt", "C:\\b.prt\rC:\\a.prt\n\r\nC:\\D.prt\r\nC:\\c.prt\n\rlast\0C:\\after.prt\r\n"s);
    OpenList(list);
    EXPECT_EQ(Items(), (Entries{L"", L"", L"C:\\a.prt", L"C:\\b.prt", L"C:\\c.prt", L"C:\\D.prt", L"last"}));

    // Saved again, it comes out sorted, every line ended by CR LF, nothing after the NUL.
    PostCommand(Main(), CMD_SAVE);
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(FileBytes(list), "\r\n\r\nC:\\a.prt\r\nC:\\b.prt\r\nC:\\c.prt\r\nC:\\D.prt\r\nlast\r\n"s);
}

TEST_F(FileListTest, OpenOfAnEmptyFileEmptiesTheList) {
    Fill({L"former"});
    OpenList(folder.Put(L"empty.txt"));
    EXPECT_TRUE(Items().empty());
}

TEST_F(FileListTest, OpenOfAFileOpenForWritingElsewhereShowsTheErrorBoxAndKeepsTheList) {
    Fill({L"kept"});
    const std::wstring list = folder.Put(L"locked.txt", "new\r\n");
    const HANDLE writer = CreateFileW(list.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    HWND dialog = OpenDialog(CMD_OPEN);
    Choose(dialog, list);
    HWND box = app().WaitForDialog(10000, kMainCaption);
    ASSERT_NE(box, nullptr) << "no error box";
    const MessageBoxContent content = ReadMessageBox(box);
    EXPECT_EQ(content.text, L"Cannot open file " + list + L".");
    EXPECT_TRUE(content.hasStopIcon);
    EXPECT_EQ(content.buttons, Entries{L"OK"});
    PressDialogButton(box, IDOK);
    WaitClosed(box);
    CloseHandle(writer);
    EXPECT_EQ(Items(), Entries{L"kept"});

    // The failed file is the current list file now: Save writes the unchanged list there.
    PostCommand(Main(), CMD_SAVE);
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(FileBytes(list), "kept\r\n"s);
}

TEST_F(FileListTest, CancellingAnyDialogChangesNothing) {
    const std::wstring list = folder.File(L"first.txt");
    Fill({L"b", L"a"});
    SaveAs(list);
    ASSERT_EQ(FileBytes(list), "a\r\nb\r\n"s);

    Cancel(OpenDialog(CMD_OPEN));
    PostClick(Button(L"&Add..."));
    Cancel(WaitDialog());
    HWND saveAs = OpenDialog(CMD_SAVEAS);
    EXPECT_EQ(WindowText(FileNameBox(saveAs)), L"first.txt") << "Save As proposes its own last choice";
    Cancel(saveAs);
    EXPECT_EQ(Items(), (Entries{L"a", L"b"}));

    // The current list file is still the first one, and Save As still proposes it.
    Fill({L"c"});
    PostCommand(Main(), CMD_SAVE);
    EXPECT_TRUE(app().WaitUntilIdle());
    EXPECT_EQ(FileBytes(list), "a\r\nb\r\nc\r\n"s);
    saveAs = OpenDialog(CMD_SAVEAS);
    EXPECT_EQ(WindowText(FileNameBox(saveAs)), L"first.txt");
    Cancel(saveAs);
}

TEST_F(FileListTest, AChoiceLongerThanTheAddDialogsLimitEndsItAsACancel) {
    Fill({L"a"});
    // 45 names of 190 characters: together more than the 8,192 characters the dialog's result may hold.
    std::wstring names;
    for (int i = 0; i < 45; ++i) {
        const std::wstring name = std::to_wstring(100 + i) + std::wstring(180, L'n') + L".sldprt";
        folder.Put(name);
        names += L"\"" + name + L"\" ";
    }
    PostClick(Button(L"&Add..."));
    HWND dialog = WaitDialog();
    Choose(dialog, folder.Path());
    ASSERT_TRUE(WaitFor([&] { return WindowText(FileNameBox(dialog)).empty(); }, 5000));
    ChooseAndWait(dialog, names);
    EXPECT_EQ(Items(), Entries{L"a"});
    // Nothing was taken: the dialog still proposes no name.
    PostClick(Button(L"&Add..."));
    dialog = WaitDialog();
    EXPECT_EQ(WindowText(FileNameBox(dialog)), L"");
    Cancel(dialog);
}

TEST_F(FileListTest, RemoveDropsTheSelectedEntriesAndLeavesNoSelection) {
    Fill({L"d", L"b", L"a", L"c"});
    SendMessageW(List(), LB_SETSEL, TRUE, 1);
    SendMessageW(List(), LB_SETSEL, TRUE, 3);
    Click(ToolButton(L"Remove Files"));
    EXPECT_EQ(Items(), (Entries{L"a", L"c"}));
    EXPECT_EQ(SendMessageW(List(), LB_GETSELCOUNT, 0, 0), 0);
    Click(Button(L"Rem&ove"));
    EXPECT_EQ(Items(), (Entries{L"a", L"c"})) << "with nothing selected, nothing goes";
}

} // namespace

namespace {

TEST_F(FileListTest, DroppedFilesAndFolderDocumentsJoinTheListAndWhatCantIsNamedInTheErrorBox) {
    Fill({L"C:\\m.prt"});
    const std::wstring docs = folder.Folder(L"docs");
    folder.Folder(L"docs\\deeper");
    folder.Folder(L"empty");
    const std::wstring file = folder.Put(L"notes.txt");
    folder.Put(L"docs\\B.SLDASM");
    folder.Put(L"docs\\readme.txt");
    folder.Put(L"docs\\deeper\\a.drw");
    folder.Put(L"docs\\\u4e2d.sldprt"); // outside the ANSI code page (1252)
    const auto drop = PostDrop(app(), {file, docs, folder.File(L"empty")});

    HWND box = app().WaitForDialog(10000, kMainCaption);
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(ReadMessageBox(box).text,
              L"These dropped items were not added:\n\n" + docs +
                  L"\\?.sldprt: the name has characters that the system's ANSI code page can't hold\n" +
                  folder.File(L"empty") + L": no parts, assemblies or drawings in the folder or its subfolders.");
    PressDialogButton(box, IDOK);
    WaitClosed(box);
    EXPECT_EQ(Items(), (Entries{L"C:\\m.prt", docs + L"\\B.SLDASM", docs + L"\\deeper\\a.drw", file}));
}

} // namespace
