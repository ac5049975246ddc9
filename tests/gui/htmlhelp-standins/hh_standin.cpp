// Stands in for the system's hh.exe in a test prefix: journals "<path>|hh.exe|<its command line>" and ends.
#include <windows.h>

#include "journal.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    standin::AppendJournalLine(nullptr, std::string("hh.exe|") + GetCommandLineA());
    return 0;
}
