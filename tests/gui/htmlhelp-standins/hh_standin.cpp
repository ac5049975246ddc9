// Stands in for the system's hh.exe in a test prefix: journals "<path>|hh.exe|<its command line>", then
// stays, as a viewer would, until the test removes its journal (at most a minute), so a test sees that
// the program that started it didn't wait for it.
#include <windows.h>

#include "support/win/journal.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    support::win::AppendJournalLine(nullptr, std::wstring(L"hh.exe|") + GetCommandLineW());
    for (int waited = 0; waited < 600 && support::win::JournalExists(); ++waited)
        Sleep(100);
    return 0;
}
