#pragma once
// Vantrel's main window as the GUI tests meet it: started fresh for each test, its controls found as a
// user finds them, by class and caption. A base for the tests of every command.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/win/driver.h"
#include "res/resource.h"

namespace gui {

// The GUI tests work Vantrel through the shared driver.
using namespace support::win;

inline constexpr wchar_t kMainCaption[] = L"Vantrel v2.2";
inline constexpr wchar_t kToolButtonClass[] = L"VantrelToolButton";

// Starts Vantrel.exe in SetUp, with a fresh journal of the help viewer stand-ins, and makes sure it is
// gone in TearDown.
class VantrelTest : public ::testing::Test {
protected:
    void SetUp() override {
        helpJournal_ = std::make_unique<HtmlHelpJournal>();
        app_ = std::make_unique<App>(App::Launch(ExePath(), kMainCaption));
    }
    void TearDown() override {
        app_.reset();
        helpJournal_.reset();
    }
    // The program a test starts: the one built beside the tests, unless a test copies it elsewhere.
    virtual std::wstring ExePath() const { return VantrelPath(); }

    App& app() { return *app_; }
    HWND Main() const { return app_->MainWindow(); }
    // A control of the main window by class and caption ("Button", "&Print"), or a tool button by hint.
    HWND Control(const wchar_t* className, const wchar_t* caption) const {
        return FindChild(Main(), className, caption);
    }
    HWND Button(const wchar_t* caption) const { return Control(L"Button", caption); }
    HWND ToolButton(const wchar_t* hint) const { return Control(kToolButtonClass, hint); }
    HWND List() const { return Control(L"ListBox", nullptr); }
    HWND StatusBar() const { return Control(L"msctls_statusbar32", nullptr); }
    std::wstring Status() const { return app_->StatusText(StatusBar()); }

    // F1 with the focus on "&shaded", which its access key puts there (and checks it).
    void F1OnShaded() {
        ASSERT_TRUE(BringToFront(Main()));
        PressKeys({VK_MENU, 'S'});
        ASSERT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&shaded"); }, 2000));
        PressKeys({VK_F1});
    }

    // The help calls the program made, through the recording stand-ins of the prefix.
    const HtmlHelpJournal& HelpJournal() const { return *helpJournal_; }
    std::vector<HtmlHelpJournal::Call> HelpCalls() const { return helpJournal_->Calls(); }
    // The compiled help beside the program, and one of its pages as the program names it for F1.
    std::wstring HelpFile() const {
        const std::wstring exe = ExePath();
        return exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Vantrel.chm";
    }
    HtmlHelpJournal::Call HelpTopicShown(const std::wstring& page) const {
        return HtmlHelpJournal::ShowTopic(page.empty() ? HelpFile() : HelpFile() + L"::/" + page);
    }

    std::unique_ptr<HtmlHelpJournal> helpJournal_;
    std::unique_ptr<App> app_;
};

// A test of the program's help calls, which the prefix's recording HTML Help stand-ins journal.
class HelpTest : public VantrelTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(HtmlHelpJournal::StandInsInstalled())
            << "needs the recording hhctrl.ocx and hh.exe in the system's folders (scripts/lib/help-prefixes.sh)";
        VantrelTest::SetUp();
    }
};

} // namespace gui
