#include "standin_session.h"

#include <windows.h>

#include <cstdlib>

#include "base/win/owners.h"
#include "win_util.h"

namespace standin {
namespace {

constexpr DWORD kPollMilliseconds = 20;
constexpr char kPidPrefix[] = "pid=";
constexpr DWORD kServiceStopMilliseconds = 10000;

// The service control manager and its services (advapi32, one of the KnownDLLs).
struct CloseService {
    void operator()(SC_HANDLE service) const { CloseServiceHandle(service); }
};
using ServiceHandle = base::win::OwnedHandle<SC_HANDLE, CloseService>;

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Wine's rpcss keeps the class registration of a server that ended without revoking it, and hands
// every later activation the dead server's class object (0x800706BA at once). Windows drops such a
// registration itself. Stopping rpcss drops it under Wine too; COM starts rpcss again on its next use.
bool ForgetDeadClassRegistrations() {
    ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager)
        return false;
    ServiceHandle rpcss(OpenServiceW(manager.Get(), L"RpcSs", SERVICE_STOP | SERVICE_QUERY_STATUS));
    if (!rpcss)
        return false;
    SERVICE_STATUS status = {};
    if (!ControlService(rpcss.Get(), SERVICE_CONTROL_STOP, &status) && GetLastError() != ERROR_SERVICE_NOT_ACTIVE)
        return false;
    const DWORD start = GetTickCount();
    while (QueryServiceStatus(rpcss.Get(), &status) && status.dwCurrentState != SERVICE_STOPPED) {
        if (GetTickCount() - start > kServiceStopMilliseconds)
            return false;
        Sleep(kPollMilliseconds);
    }
    return status.dwCurrentState == SERVICE_STOPPED;
}

// DeleteFileW that counts a file already gone as success.
bool RemoveFile(const std::wstring& path) {
    return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

// The latest server journaled `server-ready`: its class object is registered.
bool LastServerReady(const std::vector<JournalEntry>& journal) {
    for (auto it = journal.rbegin(); it != journal.rend(); ++it) {
        if (it->event == "server-ready")
            return true;
        if (it->event == "server-start")
            return false;
    }
    return false;
}

} // namespace

bool CallLine::operator==(const CallLine& other) const {
    return object == other.object && member == other.member && kind == other.kind && args == other.args;
}

std::ostream& operator<<(std::ostream& out, const CallLine& line) {
    return out << line.object << ' ' << line.member << " kind " << line.kind << " [" << line.args << ']';
}

StandinSession::StandinSession() : StandinSession(win::ExeDirectory()) {}

StandinSession::StandinSession(std::wstring directory) : directory_(std::move(directory)) {
    if (!directory_.empty() && directory_.back() != L'\\' && directory_.back() != L'/')
        directory_ += L'\\';
    journalPath_ = directory_ + win::kDefaultJournalFileName;
}

std::wstring StandinSession::ServerPath() const {
    return directory_ + L"standin-host.exe";
}

std::wstring StandinSession::ScenarioPath() const {
    return directory_ + win::kScenarioFileName;
}

bool StandinSession::WriteScenario(std::string_view text) const {
    return win::WriteWholeFile(ScenarioPath(), text);
}

bool StandinSession::RemoveScenario() const {
    return RemoveFile(ScenarioPath());
}

bool StandinSession::RemoveJournal() const {
    return RemoveFile(journalPath_);
}

std::string StandinSession::JournalText() const {
    return win::ReadWholeFile(journalPath_).value_or("");
}

std::vector<JournalEntry> StandinSession::Journal() const {
    return ParseJournal(JournalText());
}

std::vector<CallLine> StandinSession::Calls() const {
    return Calls(Journal());
}

std::vector<CallLine> StandinSession::Calls(const std::vector<JournalEntry>& journal) {
    std::vector<CallLine> calls;
    for (const JournalEntry& entry : journal) {
        if (entry.event == "call")
            calls.push_back({entry.object, entry.member, entry.kind, entry.args});
    }
    return calls;
}

bool StandinSession::WaitForJournal(const JournalCondition& done, uint32_t timeoutMilliseconds) const {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done(Journal()))
            return true;
        if (GetTickCount() - start > timeoutMilliseconds)
            return false;
        Sleep(kPollMilliseconds);
    }
}

uint32_t StandinSession::LastServerPid(const std::vector<JournalEntry>& journal) {
    for (auto it = journal.rbegin(); it != journal.rend(); ++it) {
        if (it->event != "server-start")
            continue;
        if (it->args.compare(0, sizeof kPidPrefix - 1, kPidPrefix) != 0)
            return 0;
        return static_cast<uint32_t>(std::strtoul(it->args.c_str() + sizeof kPidPrefix - 1, nullptr, 10));
    }
    return 0;
}

std::optional<JournalEntry> StandinSession::ExitOfLastServer(const std::vector<JournalEntry>& journal) {
    for (auto it = journal.rbegin(); it != journal.rend(); ++it) {
        if (it->event == "server-start")
            return std::nullopt;
        if (it->event == "server-exit")
            return *it;
    }
    return std::nullopt;
}

std::optional<JournalEntry> StandinSession::WaitForServerExit(uint32_t timeoutMilliseconds) const {
    std::optional<JournalEntry> exit;
    WaitForJournal(
        [&exit](const std::vector<JournalEntry>& journal) {
            exit = ExitOfLastServer(journal);
            return exit.has_value();
        },
        timeoutMilliseconds);
    return exit;
}

std::map<std::string, uint32_t> StandinSession::LastReferenceCounts(const std::vector<JournalEntry>& journal) {
    std::map<std::string, uint32_t> counts;
    for (const JournalEntry& entry : journal) {
        if (entry.event == "addref" || entry.event == "release")
            counts[entry.object] = static_cast<uint32_t>(std::strtoul(entry.args.c_str(), nullptr, 10));
    }
    return counts;
}

bool StandinSession::WaitForProcessEnd(uint32_t pid, uint32_t timeoutMilliseconds) {
    if (pid == 0)
        return false;
    base::win::KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
    if (!process) // no such process any more
        return true;
    return WaitForSingleObject(process.Get(), timeoutMilliseconds) == WAIT_OBJECT_0;
}

uint32_t StandinSession::LaunchServer(uint32_t timeoutMilliseconds) const {
    std::wstring commandLine = L"\"" + ServerPath() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return 0;
    base::win::KernelHandle process(started.hProcess);
    base::win::KernelHandle thread(started.hThread);
    const uint32_t pid = started.dwProcessId;
    bool ended = false;
    const bool ready = WaitForJournal(
        [&](const std::vector<JournalEntry>& journal) {
            ended = WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
            return ended || (LastServerPid(journal) == pid && LastServerReady(journal));
        },
        timeoutMilliseconds);
    if (ready && !ended)
        return pid;
    // A server that never got ready would only be in the next test's way.
    if (!ended)
        TerminateProcess(process.Get(), 1);
    return 0;
}

bool StandinSession::KillServer(uint32_t timeoutMilliseconds) const {
    const uint32_t pid = LastServerPid();
    if (pid == 0)
        return false;
    base::win::KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    // A process that has already ended may still be open elsewhere: only a running one counts.
    if (!process || WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0)
        return false;
    if (!TerminateProcess(process.Get(), 1))
        return false;
    if (WaitForSingleObject(process.Get(), timeoutMilliseconds) != WAIT_OBJECT_0)
        return false;
    return !RunningUnderWine() || ForgetDeadClassRegistrations();
}

} // namespace standin
