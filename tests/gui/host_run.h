#pragma once
// A base for the GUI tests in which Vantrel reaches the stand-in host: the test writes the host's
// scenario, fills the list, presses Print and compares what the host journaled.
#include <algorithm>
#include <string>
#include <vector>

#include "standin_session.h"
#include "vantrel_app.h"

namespace gui {

// The per-document pause plus the stand-in's answers, with room for a loaded machine.
inline constexpr DWORD kRunMillisecondsPerDocument = 12000;
// How long a server may take to end once its client has gone (the stand-in waits up to 10 s for the
// last release after ExitApp).
inline constexpr DWORD kServerEndMilliseconds = 12000;

// The calls a run of one document in the default view makes, the document's path lowered as the host
// journals it.
inline std::vector<standin::CallLine> RunOfOneCalls(const std::string& journaledPath) {
    const std::string document = "8:" + journaledPath;
    return {{"app1", "UserControl", "1", "11:-1"},
            {"app1", "Visible", "1", "11:0"},
            {"app1", "OpenDocSilent", "1", document + ";3:1;16387:0"},
            {"app1", "ActivateDoc", "1", document},
            {"doc1", "ViewDisplayWireframe", "3", ""},
            {"doc1", "PrintDirect", "3", ""},
            {"app1", "QuitDoc", "1", document}};
}

class HostRunTest : public VantrelTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(session_.RemoveJournal());
        ASSERT_TRUE(session_.RemoveScenario());
        VantrelTest::SetUp();
    }

    void TearDown() override {
        VantrelTest::TearDown();
        // A server reached by the run ends when Vantrel has given back its references (or it died on
        // purpose); one still running would hand its scenario to the next test.
        const uint32_t server = session_.LastServerPid();
        if (server != 0 && !standin::StandinSession::WaitForProcessEnd(server, kServerEndMilliseconds))
            session_.KillServer();
        session_.RemoveScenario();
    }

    void Scenario(const std::string& lines) { ASSERT_TRUE(session_.WriteScenario(lines)); }

    void AddEntries(const std::vector<std::wstring>& entries) {
        for (const auto& entry : entries)
            AddListBoxItem(List(), entry);
        ASSERT_EQ(ListBoxItems(List()).size(), entries.size());
    }

    // Waits until the status line reads exactly text; returns what it read last.
    std::wstring WaitForStatus(const std::wstring& text, DWORD timeoutMilliseconds) {
        std::wstring last;
        WaitFor(
            [&] {
                last = Status();
                return last == text;
            },
            timeoutMilliseconds);
        return last;
    }

    // Presses Print and waits for the run to end with that status line.
    void PrintAndWaitFor(const std::wstring& finalStatus, size_t documents) {
        PostClick(Button(L"&Print"));
        EXPECT_EQ(WaitForStatus(finalStatus, kRunMillisecondsPerDocument * static_cast<DWORD>(documents + 1)),
                  finalStatus);
        EXPECT_TRUE(app().WaitUntilIdle());
    }

    // The status line turns to "Closing ..." before QuitDoc goes out, and the program answers sent
    // messages while that call is in flight, so neither the text nor an idle answer says the run is
    // over: it has reached its last call once the host has journaled it. Pumps while it waits.
    bool WaitForCall(const standin::CallLine& call, DWORD timeoutMilliseconds = kRunMillisecondsPerDocument) const {
        return WaitFor(
            [&] {
                const auto calls = Calls();
                return std::find(calls.begin(), calls.end(), call) != calls.end();
            },
            timeoutMilliseconds);
    }

    // Presses Print for a list of one document and waits until the host has been told to close it.
    void PrintOneAndWaitForQuitDoc(const std::wstring& loweredPath, const std::string& journaledPath) {
        PrintAndWaitFor(L"Closing " + loweredPath, 1);
        EXPECT_TRUE(WaitForCall({"app1", "QuitDoc", "1", "8:" + journaledPath}));
    }

    std::vector<standin::CallLine> Calls() const { return session_.Calls(); }

    standin::StandinSession session_;
};

} // namespace gui
