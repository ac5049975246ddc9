#pragma once
// The stand-in host's process: the class factory registered for the host's class, the objects'
// shared state (scenario, journal, counts), the message loop and the rule for when it all ends.
#include <windows.h>

#include <string>
#include <vector>

#include "base/win/owners.h"
#include "call_plan.h"
#include "journal.h"
#include "journal_file.h"
#include "lifetime.h"
#include "scenario.h"
#include "win_util.h"

namespace standin::win {

class Server {
public:
    Server(Scenario scenario, std::wstring journalPath);
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Registers the class factory, serves calls until the server may end, then revokes it.
    // The thread must be in a single-threaded apartment.
    int Run();

    Journal& GetJournal() { return journal_; }
    CallPlanner& Planner() { return planner_; }
    ObjectNames& Names() { return names_; }

    void ObjectCreated() { lifetime_.ObjectCreated(); }
    void ObjectDestroyed(const IUnknown* object);
    void LockServer(bool lock);

    // ExitApp: the server ends when the last reference goes, or when the exit wait runs out.
    void RequestExit();
    // Ends the process inside the current call, as a crashing host would. The class registration is
    // revoked first: a dead registration would make every later activation in the prefix fail at once.
    void Die();

private:
    class ClassFactory : public IClassFactory {
    public:
        explicit ClassFactory(Server& server) : server_(server) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
        // The factory lives as long as the server; COM's references on it do not keep the server alive.
        ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
        ULONG STDMETHODCALLTYPE Release() override { return 1; }
        HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
        HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

    private:
        Server& server_;
    };

    void CreateWindows();
    void ServeUntilEnd();
    void EndIfIdle();
    void RevokeClass();

    Scenario scenario_;
    JournalFile journalFile_;
    Journal journal_;
    CallPlanner planner_;
    ObjectNames names_;
    ServerLifetime lifetime_;
    ClassFactory factory_;
    DWORD classCookie_ = 0;
    UINT_PTR exitTimer_ = 0;
    // Under one-app, the application object the class factory hands out while it lives.
    IUnknown* application_ = nullptr;
    std::vector<base::win::WindowHandle> windows_;
};

// The scenario file next to the exe (absent: all defaults) and the journal path it names.
Scenario LoadScenario();
std::wstring JournalPathFor(const Scenario& scenario);

} // namespace standin::win
