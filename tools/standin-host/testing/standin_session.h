#pragma once
// StandinSession: what a test or the demo driver needs to run the stand-in host and read what it did.
//
// The stand-in host (standin-host.exe) reads its scenario file standin-host.ini from its own folder
// when it starts, and appends one line per event to its journal, standin-host.journal in the same
// folder unless the scenario's `journal` line moves it. COM starts the server with nothing but
// -Embedding, so these two files are the whole channel between a test and the server. A session
// names the folder, writes and removes the scenario, removes and reads the journal, waits for what
// the journal shows, and ends the server's process.
//
// Nothing here asserts: every operation reports through its result, so GoogleTest suites assert on
// it and the demo driver can run without GoogleTest.
//
// Typical use in a test:
//
//   standin::StandinSession session;           // the folder of this exe, where the server is built
//   session.RemoveJournal();                   // the server only appends
//   session.WriteScenario("raise PrintDirect 1 0x80041001 Printer jammed.\\r\\n\n");
//   ... create "SldWorks.Application", call it, release every reference ...
//   auto exit = session.WaitForServerExit();   // the server ends when its last object goes
//   EXPECT_EQ(exit->args, "live=0");
//   session.WaitForProcessEnd(session.LastServerPid());
//   session.RemoveScenario();                  // so the next server starts with the defaults
//
// Only one server with one scenario file can run at a time: suites that use a session lock the
// ctest resource `standin_host`.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "journal.h"

namespace standin {

// A journal `call` line without its sequence number: what the caller called, on which object.
// member and args stay escaped as journaled (README.md: "Journal format").
struct CallLine {
    std::string object; // app<n> or doc<n>
    std::string member;
    std::string kind; // the invoke flags, decimal: "1" method, "3" method or property get
    std::string args; // "<vt>:<value>;..." in the caller's order

    bool operator==(const CallLine& other) const;
    bool operator!=(const CallLine& other) const { return !(*this == other); }
};

std::ostream& operator<<(std::ostream& out, const CallLine& line);

using JournalCondition = std::function<bool(const std::vector<JournalEntry>&)>;

class StandinSession {
public:
    static constexpr uint32_t kJournalWaitMilliseconds = 15000;
    static constexpr uint32_t kProcessWaitMilliseconds = 5000;

    // The stand-in in the folder of the running exe (tests, the server and the demo driver are all
    // built into one bin folder).
    StandinSession();
    // The stand-in in another folder; a trailing backslash is added when missing.
    explicit StandinSession(std::wstring directory);

    // With a trailing backslash.
    const std::wstring& Directory() const { return directory_; }
    // The server exe, for starting it by hand.
    std::wstring ServerPath() const;
    std::wstring ScenarioPath() const;
    // The default journal next to the server, or what SetJournalPath chose.
    const std::wstring& JournalPath() const { return journalPath_; }
    // Follows a scenario whose `journal` line moves the journal: every read and wait uses this file.
    void SetJournalPath(std::wstring path) { journalPath_ = std::move(path); }

    // Replaces the scenario file with this UTF-8 text; false when it cannot be written.
    bool WriteScenario(std::string_view text) const;
    // True when no scenario file is left (also when there was none).
    bool RemoveScenario() const;
    // True when no journal file is left (also when there was none).
    bool RemoveJournal() const;

    // The journal's whole text; empty when there is no journal yet.
    std::string JournalText() const;
    // The journal's well-formed lines (a line torn by a server still writing is left out).
    std::vector<JournalEntry> Journal() const;
    // Only the `call` lines, in journal order.
    std::vector<CallLine> Calls() const;
    static std::vector<CallLine> Calls(const std::vector<JournalEntry>& journal);

    // Reads the journal every 20 ms until done accepts it; false when the time ran out first.
    bool WaitForJournal(const JournalCondition& done, uint32_t timeoutMilliseconds = kJournalWaitMilliseconds) const;

    // The process id from the latest server's `server-start` line; 0 when there is none.
    static uint32_t LastServerPid(const std::vector<JournalEntry>& journal);
    uint32_t LastServerPid() const { return LastServerPid(Journal()); }

    // The latest server's `server-exit` line (its args are "live=<n>"); none while it still serves.
    static std::optional<JournalEntry> ExitOfLastServer(const std::vector<JournalEntry>& journal);
    // Waits for ExitOfLastServer; none when the time ran out first.
    std::optional<JournalEntry> WaitForServerExit(uint32_t timeoutMilliseconds = kJournalWaitMilliseconds) const;

    // For every object that took or gave back a reference, the count after its last addref or release
    // line. Every reference has been given back when each count is 0.
    static std::map<std::string, uint32_t> LastReferenceCounts(const std::vector<JournalEntry>& journal);

    // True when the process has ended (or no longer exists) within the time; false for pid 0.
    static bool WaitForProcessEnd(uint32_t pid, uint32_t timeoutMilliseconds = kProcessWaitMilliseconds);

    // Starts the server by hand (no -Embedding, as a user would) and waits for its `server-ready`
    // line, so the next client reaches it instead of starting another. Returns its process id, or 0
    // when it could not be started or did not get ready in time. The journal should be removed first.
    uint32_t LaunchServer(uint32_t timeoutMilliseconds = kJournalWaitMilliseconds) const;

    // Ends the latest server from outside, as a crash or the task manager would: TerminateProcess with
    // the pid of its `server-start` line (exit code 1), then waits for its process to end. The server
    // journals nothing more, and its clients' proxies answer 0x800706BA from then on.
    //
    // A killed server cannot revoke its class registration. Windows drops it; Wine's rpcss keeps it
    // and would fail every later activation in the prefix. Under Wine this call therefore also stops
    // the RpcSs service, which drops the registration; COM restarts rpcss when it next needs it, so
    // the next client starts a fresh server, as on Windows.
    //
    // True only when this call ended a running server and, under Wine, rpcss has stopped.
    bool KillServer(uint32_t timeoutMilliseconds = kProcessWaitMilliseconds) const;

private:
    std::wstring directory_;
    std::wstring journalPath_;
};

} // namespace standin
