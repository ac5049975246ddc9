// A command reached from a push button, a tool button, a menu item and a shortcut runs one handler: each
// trigger, from the same starting state, has the same effect on the window, the list, the status line and
// the windows that open. The effects are compared, not named, so these tests hold whatever each command
// does; a command that shows no effect at all (its handler empty or unbound) fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "support/win/text.h"
#include "vantrel_app.h"

using namespace gui;
using support::win::Narrow;

namespace {

constexpr int kFilterComboId = 0x470; // the file dialogs' file-type box (cmb1)

struct Trigger {
    const char* name;
    std::function<void()> fire;
};

struct Effect {
    std::wstring status;
    std::vector<std::wstring> list;
    std::vector<std::wstring> windows; // what opened, described

    bool operator==(const Effect& other) const {
        return status == other.status && list == other.list && windows == other.windows;
    }
};

std::wostream& operator<<(std::wostream& out, const Effect& effect) {
    out << L"status \"" << effect.status << L"\", list [";
    for (const auto& entry : effect.list)
        out << entry << L";";
    out << L"], windows [";
    for (const auto& window : effect.windows)
        out << window << L";";
    return out << L"]";
}

// What a window that a command opened shows: its class and caption, a dialog's file-type choice, a
// message box's text.
std::wstring Describe(HWND window) {
    std::wstring description = ClassName(window) + L" \"" + WindowText(window) + L"\"";
    if (HWND filter = FindChildById(window, kFilterComboId))
        description += L" filter \"" + WindowText(filter) + L"\"";
    if (HWND text = GetDlgItem(window, 0xFFFF))
        description += L" text \"" + WindowText(text) + L"\"";
    return description;
}

class CommandBindingTest : public VantrelTest {
protected:
    // The same start for every trigger: the entries in the list, the last one selected.
    void ResetList() {
        SendMessageW(List(), LB_RESETCONTENT, 0, 0);
        for (const auto& entry : entries_)
            AddListBoxItem(List(), entry);
        SendMessageW(List(), LB_SETSEL, TRUE, static_cast<LPARAM>(entries_.size()) - 1);
    }

    // Waits until the trigger's handler has returned. The program answers a sent message also while its
    // handler waits for the host (COM handles sent messages during a call), so a handler that writes the
    // status line counts as done only once the line has held still for longer than a print run's pause.
    void WaitUntilSettled(const std::wstring& statusBefore) {
        EXPECT_TRUE(app().WaitUntilIdle(60000));
        if (Status() == statusBefore)
            return;
        std::wstring last = Status();
        ULONGLONG stillSince = GetTickCount64();
        const ULONGLONG end = stillSince + 120000;
        while (GetTickCount64() - stillSince < kStillFor && GetTickCount64() < end) {
            Pump(250);
            app().WaitUntilIdle(60000);
            const std::wstring now = Status();
            if (now != last) {
                last = now;
                stillSince = GetTickCount64();
            }
        }
    }

    std::vector<HWND> OpenWindows() {
        std::vector<HWND> open;
        for (HWND window : app().TopLevelWindows()) {
            if (window != Main() && IsWindowVisible(window) && ClassName(window) != L"tooltips_class32")
                open.push_back(window);
        }
        return open;
    }

    // Fires the trigger, waits for its effect to settle, records it, and closes what it opened.
    Effect Observe(const Trigger& trigger) {
        ResetList();
        const auto before = OpenWindows();
        const std::wstring statusBefore = Status();
        trigger.fire();
        WaitUntilSettled(statusBefore);
        std::vector<HWND> opened;
        WaitFor(
            [&] {
                opened = OpenWindows();
                return opened.size() > before.size();
            },
            1500);
        Pump(300); // a dialog fills its controls just after it shows
        Effect effect{Status(), ListBoxItems(List()), {}};
        for (HWND window : OpenWindows())
            effect.windows.push_back(Describe(window));
        CloseAll();
        return effect;
    }

    void CloseAll() {
        for (HWND window : OpenWindows()) {
            if (ClassName(window) == L"#32770")
                PressDialogButton(window, GetDlgItem(window, IDCANCEL) ? IDCANCEL : IDOK);
            else
                PostMessageW(window, WM_CLOSE, 0, 0);
        }
        WaitFor([&] { return OpenWindows().empty(); }, 5000);
        app().WaitUntilIdle(60000);
    }

    void ExpectOneHandler(const std::vector<Trigger>& triggers) {
        const std::wstring startStatus = Status();
        std::vector<Effect> effects;
        for (const Trigger& trigger : triggers)
            effects.push_back(Observe(trigger));
        ResetList();
        const Effect untouched{startStatus, ListBoxItems(List()), {}};
        for (size_t i = 1; i < effects.size(); ++i) {
            std::wostringstream message;
            message << effects[0] << L" from " << triggers[0].name << L", but " << effects[i] << L" from "
                    << triggers[i].name;
            EXPECT_TRUE(effects[i] == effects[0]) << Narrow(message.str());
        }
        EXPECT_FALSE(effects[0] == untouched) << triggers[0].name << " showed no effect";
    }

    static constexpr ULONGLONG kStillFor = 6500; // the print run pauses 5 s after each document
    std::vector<std::wstring> entries_ = {L"c:\\parts\\bracket.sldprt", L"c:\\parts\\frame.sldasm"};

    Trigger Pushed(const wchar_t* caption) {
        return {"button", [this, caption] { PostClick(Button(caption)); }};
    }
    Trigger ToolButtonPressed(const wchar_t* hint) {
        return {"tool button", [this, hint] { PostClick(ToolButton(hint)); }};
    }
    Trigger MenuChosen(int id) {
        return {"menu item", [this, id] { PostCommand(Main(), id); }};
    }
    Trigger Shortcut(WORD letter) {
        return {"shortcut", [this, letter] {
                    ASSERT_TRUE(BringToFront(Main()));
                    PressKeys({VK_CONTROL, letter});
                }};
    }
};

} // namespace

TEST_F(CommandBindingTest, AddButtonAndToolButtonRunOneHandler) {
    ExpectOneHandler({Pushed(L"&Add..."), ToolButtonPressed(L"Add Files")});
}

TEST_F(CommandBindingTest, RemoveButtonAndToolButtonRunOneHandler) {
    ExpectOneHandler({Pushed(L"Rem&ove"), ToolButtonPressed(L"Remove Files")});
}

TEST_F(CommandBindingTest, OpenMenuItemToolButtonAndCtrlORunOneHandler) {
    ExpectOneHandler({MenuChosen(CMD_OPEN), ToolButtonPressed(L"Open File"), Shortcut('O')});
}

TEST_F(CommandBindingTest, SaveMenuItemToolButtonAndCtrlSRunOneHandler) {
    ExpectOneHandler({MenuChosen(CMD_SAVE), ToolButtonPressed(L"Save File"), Shortcut('S')});
}

TEST_F(CommandBindingTest, PrintButtonToolButtonMenuItemAndCtrlPRunOneHandler) {
    entries_ = {L"c:\\parts\\bracket.sldprt"}; // one document: one 5-second pause per run
    ExpectOneHandler({Pushed(L"&Print"), ToolButtonPressed(L"Print"), MenuChosen(CMD_PRINT), Shortcut('P')});
}

TEST_F(CommandBindingTest, SelectPrinterMenuItemAndToolButtonRunOneHandler) {
    ExpectOneHandler({MenuChosen(CMD_SELPRINT), ToolButtonPressed(L"Select Printer")});
}

TEST_F(CommandBindingTest, PrintSetupMenuItemAndToolButtonRunOneHandler) {
    ExpectOneHandler({MenuChosen(CMD_PRINTSETUP), ToolButtonPressed(L"Setup Printer")});
}

// Distinct commands must not share a handler: the same comparison tells Add from Open and Open from Save.
TEST_F(CommandBindingTest, AddOpenAndSaveAreThreeHandlers) {
    const Effect add = Observe(Pushed(L"&Add..."));
    const Effect open = Observe(MenuChosen(CMD_OPEN));
    const Effect save = Observe(MenuChosen(CMD_SAVE));
    EXPECT_FALSE(add.windows.empty() || open.windows.empty() || save.windows.empty()) << "a command showed no dialog";
    EXPECT_FALSE(add == open);
    EXPECT_FALSE(open == save);
    EXPECT_FALSE(add == save);
}
