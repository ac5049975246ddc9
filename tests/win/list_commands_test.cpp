// The main window's list commands, run on the real window: its list box, list files in a scratch folder,
// and the scripted dialogs in place of the common ones. What the list box is asked to do is read from
// inside its window procedure.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "forms/win/help_viewer.h"
#include "res/resource.h"
#include "shell/win/list_box.h"
#include "shell/win/main_window.h"
#include "support/caught.h"
#include "support/scripted_file_dialogs.h"
#include "support/win/fixtures.h"
#include "support/win/text.h"

namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;
using support::MessageOf;
using support::win::FileBytes;
using support::win::Narrow;
using support::win::Widen;

// The list box's redraw switched off and on, its emptying and every entry put in; once it holds `room`
// entries it refuses the next as a full control does.
class ListBoxCalls {
public:
    explicit ListBoxCalls(HWND listBox)
        : listBox_(listBox), previous_(reinterpret_cast<WNDPROC>(
                                 SetWindowLongPtrW(listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)))) {
        SetWindowLongPtrW(listBox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ListBoxCalls() { SetWindowLongPtrW(listBox_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_)); }

    Strings calls;
    LRESULT room = INT_MAX;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<ListBoxCalls*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_SETREDRAW)
            self->calls.push_back(wParam ? "redraw on" : "redraw off");
        if (message == LB_RESETCONTENT)
            self->calls.push_back("empty");
        if (message == LB_INSERTSTRING) {
            const bool full = CallWindowProcW(self->previous_, window, LB_GETCOUNT, 0, 0) >= self->room;
            self->calls.push_back((full ? "refuse " : "insert ") + Narrow(reinterpret_cast<const wchar_t*>(lParam)));
            if (full)
                return LB_ERRSPACE;
        }
        return CallWindowProcW(self->previous_, window, message, wParam, lParam);
    }

    HWND listBox_;
    WNDPROC previous_;
};

class FileListCommandsTest : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return Narrow(folder.File(Widen(name))); }
    void Answer(const std::string& result) { dialogs.answers.push_back(support::DialogChoice{result}); }
    void Fill(const Strings& entries) {
        for (const std::string& entry : entries)
            ASSERT_TRUE(list.Insert(entry));
    }
    void Select(int index) { SendMessageA(window.lbxList(), LB_SETSEL, TRUE, index); }

    support::win::ScratchFolder folder;
    support::ScriptedFileDialogs dialogs;
    forms::win::HelpViewer help{shell::kHelpFile};
    shell::win::TfrmVantrel window{IDI_VANTREL, help, dialogs, nullptr};
    shell::win::ListBox list{window.lbxList()};
    forms::Sender sender;
};

TEST_F(FileListCommandsTest, AddInsertsTheChosenPathsOneByOneAndKeepsThoseBeforeARefusedOne) {
    ListBoxCalls box(window.lbxList());
    box.room = 2;
    Answer("C:\\p\0b.prt\0a.prt\0c.prt\0\0"s);
    EXPECT_EQ(MessageOf([&] { window.btnAddClick(sender); }), "Unable to insert a line");
    EXPECT_EQ(list.Entries(), (Strings{"C:\\p\\a.prt", "C:\\p\\b.prt"}));
    EXPECT_EQ(box.calls, (Strings{"insert C:\\p\\b.prt", "insert C:\\p\\a.prt", "refuse C:\\p\\c.prt"}))
        << "in the dialog's order, each drawn as it goes in";
    window.btnAddClick(sender);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].dialog, &shell::kAddDialog);
    EXPECT_EQ(dialogs.shown[1].fileName, "C:\\p\\b.prt") << "the choice counts though an entry was refused";
}

TEST_F(FileListCommandsTest, RemoveRefillsTheUnselectedEntriesWithTheRedrawOff) {
    Fill({"d", "a", "c", "b", "e"});
    Answer(File("l.txt"));
    window.mnuSaveAsClick(sender);
    ListBoxCalls box(window.lbxList());
    window.btnRemoveClick(sender);
    EXPECT_TRUE(box.calls.empty()) << "nothing selected, nothing done";
    Select(1);
    Select(3);
    window.btnRemoveClick(sender);
    EXPECT_EQ(list.Entries(), (Strings{"a", "c", "e"}));
    EXPECT_TRUE(list.Selection().empty());
    EXPECT_EQ(box.calls, (Strings{"redraw off", "empty", "insert a", "insert c", "insert e", "redraw on"}));

    box.calls.clear();
    box.room = 1;
    Select(0);
    EXPECT_EQ(MessageOf([&] { window.btnRemoveClick(sender); }), "Unable to insert a line");
    EXPECT_EQ(list.Entries(), Strings{"c"});
    EXPECT_EQ(box.calls.back(), "redraw on") << "drawn again after the refusal";

    box.room = INT_MAX;
    Select(0);
    window.btnRemoveClick(sender);
    EXPECT_EQ(list.Count(), 0);
    window.mnuSaveClick(sender);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "with every entry removed the list file stays current";
}

TEST_F(FileListCommandsTest, OpenReplacesTheListWithTheRedrawOffAndSaveWritesItBackThere) {
    Fill({"old"});
    const std::string path = Narrow(folder.Put(L"l.txt", "b\rA\n\r\nc"));
    Answer(path);
    ListBoxCalls box(window.lbxList());
    window.mnuOpenClick(sender);
    EXPECT_EQ(list.Entries(), (Strings{"", "A", "b", "c"}));
    EXPECT_EQ(box.calls, (Strings{"redraw off", "empty", "insert ", "insert A", "insert b", "insert c", "redraw on"}));
    window.mnuSaveClick(sender);
    ASSERT_EQ(dialogs.shown.size(), 1u) << "Save after Open asks nothing";
    EXPECT_EQ(dialogs.shown[0].dialog, &shell::kOpenListDialog);
    EXPECT_EQ(FileBytes(Widen(path)), "\r\nA\r\nb\r\nc\r\n");
}

TEST_F(FileListCommandsTest, SaveAsProposesItsOwnLastChoiceAndKeepsANameItCouldNotWrite) {
    Fill({"a"});
    Answer(File("first.txt"));
    window.mnuSaveAsClick(sender);
    const std::string opened = Narrow(folder.Put(L"opened.txt", "a\r\n"));
    Answer(opened);
    window.mnuOpenClick(sender);
    const std::string readOnly = Narrow(folder.Put(L"ro.txt", "old\r\n"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    Answer(readOnly);
    EXPECT_EQ(MessageOf([&] { window.mnuSaveAsClick(sender); }), "Cannot create file " + readOnly);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].dialog, &shell::kSaveListDialog);
    EXPECT_EQ(dialogs.shown[2].fileName, File("first.txt")) << "not the list file opened since";
    EXPECT_EQ(MessageOf([&] { window.mnuSaveClick(sender); }), "Cannot create file " + readOnly)
        << "the name that failed is the current list file";
    EXPECT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(FileBytes(Widen(readOnly)), "old\r\n");
}

// A drop as the shell hands it over: a DROPFILES block of UTF-16 paths, which the handler gives back.
HDROP Drop(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths)
        names += path + L'\0';
    names += L'\0';
    const HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

TEST_F(FileListCommandsTest, ADropIsDrawnOnceWhenAllAreInAndNamesWhatItLeftOutAfterwards) {
    const std::wstring z = folder.Put(L"z.prt"), a = folder.Put(L"a.prt"), gone = folder.File(L"gone");
    Fill({File("m.prt")});
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "the window takes drops";
    ListBoxCalls box(window.lbxList());
    const HDROP drop = Drop({z, gone, a});
    EXPECT_EQ(MessageOf([&] { window.FormDropFiles(drop); }),
              "These dropped items were not added:\n\n" + Narrow(gone) + ": not a file or folder");
    EXPECT_EQ(list.Entries(), (Strings{Narrow(a), File("m.prt"), Narrow(z)}));
    EXPECT_EQ(box.calls, (Strings{"redraw off", "insert " + Narrow(z), "insert " + Narrow(a), "redraw on"}));
    box.room = 4;
    EXPECT_EQ(MessageOf([&] { window.FormDropFiles(Drop({z, a})); }), "Unable to insert a line");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(MessageOf([&] {
                  window.FormDropFiles(Drop({z, gone}));
              }),
              "Unable to insert a line\n\nThese dropped items were not added:\n\n" + Narrow(gone) +
                  ": not a file or folder")
        << "a refusal doesn't lose what the drop left out";
    window.btnAddClick(sender);
    EXPECT_EQ(dialogs.shown.at(0).fileName, "") << "a drop is not a choice in the Add dialog";
}

} // namespace
