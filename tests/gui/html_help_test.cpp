// Help on a Windows without WinHelp: F1 and Help > Contents go to HTML Help, always the system's own.
// Runs in a prefix of its own (scripts/lib/help-prefixes.sh): Windows 10, with recording stand-ins for
// hhctrl.ocx (system folder) and hh.exe (Windows folder), since Wine's HTML Help needs a browser engine
// that Debian doesn't ship. The stand-ins journal every call with the path of the copy that answered.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/win/text.h"
#include "vantrel_app.h"

using namespace gui;
using support::win::Narrow;

namespace {

constexpr char kJournalVariable[] = "VANTREL_HTMLHELP_JOURNAL";
constexpr char kHhHelpContext[] = "15";
constexpr char kHhDisplayTopic[] = "0";
constexpr char kHhCloseAll[] = "18";

using Call = std::vector<std::string>; // the journal line's fields: path, function, then its arguments

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string InFolder(UINT(WINAPI* folderOf)(LPSTR, UINT), const char* file) {
    char folder[MAX_PATH] = {};
    const UINT length = folderOf(folder, MAX_PATH);
    return std::string(folder, length) + "\\" + file;
}

const std::string kSystemHhctrl = InFolder(&GetSystemDirectoryA, "hhctrl.ocx");
const std::string kSystemViewer = InFolder(&GetSystemWindowsDirectoryA, "hh.exe");

std::string ProgramFolder() {
    return Narrow(TestProgramFolder());
}

std::string HelpFile() {
    return ProgramFolder() + "\\Vantrel.chm";
}

// The prefix is the one this suite needs: the system's hhctrl.ocx is the stand-in (so Wine loads the
// native copy) and the Windows version has no WinHelp.
bool InHtmlHelpPrefix() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto getVersion = reinterpret_cast<RtlGetVersion>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (!getVersion || getVersion(&version) != 0 || version.dwMajorVersion < 6)
        return false;
    HMODULE hhctrl = LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const bool standIn = hhctrl && GetProcAddress(hhctrl, "VantrelHtmlHelpStandIn");
    if (hhctrl)
        FreeLibrary(hhctrl);
    return standIn;
}

class HtmlHelpTest : public VantrelTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(InHtmlHelpPrefix()) << "needs the HTML Help prefix of scripts/lib/help-prefixes.sh and "
                                           "WINEDLLOVERRIDES with hhctrl.ocx=n,b";
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        journal_ = std::string(temp) + "vantrel-htmlhelp-" + std::to_string(GetCurrentProcessId()) + ".log";
        DeleteFileA(journal_.c_str());
        // Vantrel inherits it, and the viewers it starts inherit it from Vantrel.
        SetEnvironmentVariableA(kJournalVariable, journal_.c_str());
        VantrelTest::SetUp();
    }

    void TearDown() override {
        VantrelTest::TearDown();
        SetEnvironmentVariableA(kJournalVariable, nullptr);
        DeleteFileA(journal_.c_str());
    }

    std::vector<Call> Calls() const {
        std::vector<Call> calls;
        std::ifstream journal(journal_);
        for (std::string line; std::getline(journal, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            Call fields;
            std::istringstream split(line);
            for (std::string field; std::getline(split, field, '|');)
                fields.push_back(field);
            if (!fields.empty())
                fields[0] = Lower(fields[0]);
            calls.push_back(fields);
        }
        return calls;
    }

    bool WaitForCalls(size_t count) const {
        return WaitFor([&] { return Calls().size() >= count; }, 5000);
    }

    // F1 with the focus on "&shaded", which the access key puts there.
    void F1OnShaded() {
        ASSERT_TRUE(BringToFront(Main()));
        PressKeys({VK_MENU, 'S'});
        ASSERT_TRUE(WaitFor([&] { return app().FocusedWindow() == Button(L"&shaded"); }, 2000));
        PressKeys({VK_F1});
    }

    static Call HtmlHelpCall(const std::string& command, const std::string& data) {
        return {Lower(kSystemHhctrl), "HtmlHelpA", "1", HelpFile(), command, data};
    }

    std::string journal_;
};

// Planted copies of both stand-ins in the program's folder and in the folder Vantrel starts in, the
// places a bare name would be looked for first.
class HtmlHelpPlantedTest : public HtmlHelpTest {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        currentFolder_ = std::string(temp) + "vantrel-planted-htmlhelp";
        CreateDirectoryA(currentFolder_.c_str(), nullptr);
        const std::string standIns = ProgramFolder() + "\\htmlhelp-standins\\";
        for (const std::string& folder : {ProgramFolder(), currentFolder_}) {
            for (const char* file : {"hhctrl.ocx", "hh.exe"}) {
                planted_.push_back(folder + "\\" + file);
                ASSERT_TRUE(CopyFileA((standIns + file).c_str(), planted_.back().c_str(), FALSE)) << planted_.back();
            }
        }
        GetCurrentDirectoryA(MAX_PATH, savedFolder_);
        ASSERT_TRUE(SetCurrentDirectoryA(currentFolder_.c_str()));
        HtmlHelpTest::SetUp();
        SetCurrentDirectoryA(savedFolder_);
    }

    void TearDown() override {
        HtmlHelpTest::TearDown();
        for (const std::string& file : planted_)
            DeleteFileA(file.c_str());
        RemoveDirectoryA(currentFolder_.c_str());
    }

    std::string currentFolder_;
    char savedFolder_[MAX_PATH] = {};
    std::vector<std::string> planted_;
};

} // namespace

TEST_F(HtmlHelpTest, F1OnShadedAsksForContext70OfTheHelpFileBesideTheProgramAndOnTheListForNothing) {
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_F1}); // the focus is on the list, which has no context
    ASSERT_TRUE(app().WaitUntilIdle());
    Pump(300);
    EXPECT_TRUE(Calls().empty());

    F1OnShaded();
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(Calls(), std::vector<Call>{HtmlHelpCall(kHhHelpContext, "70")});
}

TEST_F(HtmlHelpTest, F1OnMenuItemsAsksForTheirContextsAndOnTheHelpMenuForTheContentsPage) {
    ASSERT_TRUE(BringToFront(Main()));
    PressKeys({VK_MENU, 'F'}); // opens File with its first item highlighted
    Pump(300);
    for (size_t item = 0; item < 7; ++item) {
        PressKeys({VK_F1});
        ASSERT_TRUE(WaitForCalls(item + 1)) << "item " << item;
        PressKeys({VK_DOWN});
    }
    PressKeys({VK_RIGHT}); // over to Help: Contents highlighted
    Pump(300);
    PressKeys({VK_F1});
    PressKeys({VK_DOWN});
    PressKeys({VK_F1});
    WaitForCalls(9);
    PressKeys({VK_ESCAPE});
    PressKeys({VK_ESCAPE});
    std::vector<Call> expected;
    for (const char* context : {"500", "510", "520", "530", "540", "550", "560"})
        expected.push_back(HtmlHelpCall(kHhHelpContext, context));
    expected.push_back(HtmlHelpCall(kHhDisplayTopic, "0"));
    expected.push_back(HtmlHelpCall(kHhDisplayTopic, "0"));
    EXPECT_EQ(Calls(), expected);
}

// Help > Contents needs no hhctrl.ocx, and a program end that follows it has no help window to close.
TEST_F(HtmlHelpTest, ContentsChosenTwiceStartsTheSystemsViewerTwiceOnTheHelpFileAndExitClosesNothing) {
    PostCommand(Main(), IDM_CONTENTS);
    PostCommand(Main(), IDM_CONTENTS);
    ASSERT_TRUE(WaitForCalls(2));
    EXPECT_TRUE(app().WaitUntilIdle(2000));
    EXPECT_EQ(Status(), L"Welcome to Vantrel");
    PostCommand(Main(), IDM_EXIT);
    EXPECT_EQ(app().WaitForExit(10000), std::optional<DWORD>(0));
    const Call started = {Lower(kSystemViewer), "hh.exe", "\"" + kSystemViewer + "\" \"" + HelpFile() + "\""};
    EXPECT_EQ(Calls(), (std::vector<Call>{started, started}));
}

TEST_F(HtmlHelpTest, ClosingAfterF1ClosesTheHelpWindows) {
    F1OnShaded();
    ASSERT_TRUE(WaitForCalls(1));
    PostCommand(Main(), IDM_EXIT);
    EXPECT_EQ(app().WaitForExit(10000), std::optional<DWORD>(0));
    const Call closeAll = {Lower(kSystemHhctrl), "HtmlHelpA", "0", "-", kHhCloseAll, "0"};
    EXPECT_EQ(Calls(), (std::vector<Call>{HtmlHelpCall(kHhHelpContext, "70"), closeAll}));
}

TEST_F(HtmlHelpPlantedTest, F1AndContentsUseTheSystemsCopiesNotOnesBesideTheProgramOrInTheCurrentFolder) {
    F1OnShaded();
    ASSERT_TRUE(WaitForCalls(1));
    PostCommand(Main(), IDM_CONTENTS);
    ASSERT_TRUE(WaitForCalls(2));
    const std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], HtmlHelpCall(kHhHelpContext, "70"));
    EXPECT_EQ(calls[1].front(), Lower(kSystemViewer));
}
