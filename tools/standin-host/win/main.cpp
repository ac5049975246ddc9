// standin-host.exe: started by COM as "standin-host.exe -Embedding" when a client creates
// "SldWorks.Application". Started by hand it serves the same way, which lets a test have the host
// running (and its window showing) before the program under test starts.
#include <windows.h>

#include "base/win/owners.h"
#include "server.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    standin::Scenario scenario = standin::win::LoadScenario();
    std::wstring journalPath = standin::win::JournalPathFor(scenario);
    // The server outlives the apartment: objects the client never released are released while COM
    // shuts down, and they report back to the server as they go.
    standin::win::Server server(std::move(scenario), std::move(journalPath));
    base::win::ComApartment apartment;
    if (FAILED(apartment.Status()))
        return 1;
    return server.Run();
}
