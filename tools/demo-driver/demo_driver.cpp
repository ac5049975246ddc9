// The demo's scripted session. It starts Vantrel.exe, opens the sample list through File > Open, turns
// on zoom to fit, presses Print and reports the status line as the run goes. When the run has ended it
// creates the "ready" file and waits (up to a minute) for the "go on" file, so that the demo script can
// take a screenshot of the window as it is; then it closes Vantrel as a user would.
//   vantrel_demo_driver <list file> <ready file> <go-on file>
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/win/driver.h"
#include "res/resource.h"
#include "support/win/text.h"

namespace {

using support::win::Widen;

constexpr DWORD kPerDocumentMs = 15000; // the 5-second pause plus the host's answers, with room to spare

void Say(const std::wstring& line) {
    std::wprintf(L"%ls\n", line.c_str());
    std::fflush(stdout);
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool OpenList(const support::win::App& app, const std::wstring& listFile) {
    support::win::PostCommand(app.MainWindow(), CMD_OPEN);
    HWND dialog = app.WaitForDialog(10000);
    if (!dialog || !support::win::SetFileName(dialog, listFile))
        return false;
    support::win::PressDialogButton(dialog, IDOK);
    return app.WaitUntilIdle() &&
           !support::win::ListBoxItems(support::win::FindChildById(app.MainWindow(), IDC_LBXLIST)).empty();
}

// Follows the status line until the run has ended: the last document closed, or a failure shown.
std::wstring FollowRun(const support::win::App& app, const std::wstring& lastPath, size_t documents) {
    HWND status = support::win::FindChildById(app.MainWindow(), IDC_STBVANTREL);
    const std::wstring closingLast = L"Closing " + lastPath;
    const DWORD start = GetTickCount();
    std::wstring shown;
    for (;;) {
        const std::wstring text = app.StatusText(status);
        if (text != shown) {
            shown = text;
            wchar_t stamp[32];
            wsprintfW(stamp, L"  [%3u s] ", (GetTickCount() - start) / 1000);
            Say(stamp + text);
        }
        const bool ended = text == closingLast || text.rfind(L"OLE Error:", 0) == 0;
        if (ended && app.WaitUntilIdle())
            return app.StatusText(status);
        if (GetTickCount() - start > kPerDocumentMs * (documents + 1))
            return L"(the run did not end in time) " + text;
        support::win::Pump(100);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: vantrel_demo_driver <list file> <ready file> <go-on file>\n");
        return 2;
    }
    const std::wstring listFile = Widen(argv[1]), readyFile = Widen(argv[2]), goOnFile = Widen(argv[3]);
    try {
        support::win::App app = support::win::App::Launch(support::win::VantrelPath(), L"Vantrel v2.2");
        Say(L"Vantrel is up: \"" + support::win::WindowText(app.MainWindow()) + L"\"");
        if (!OpenList(app, listFile)) {
            Say(L"could not open the list file " + listFile);
            return 1;
        }
        const auto entries = support::win::ListBoxItems(support::win::FindChildById(app.MainWindow(), IDC_LBXLIST));
        Say(L"File > Open... " + listFile + L": " + std::to_wstring(entries.size()) + L" documents in the list");
        support::win::Click(support::win::FindChildById(app.MainWindow(), IDC_CHKZOOMFIT));
        Say(L"options: hidden lines visible, zoom to fit; pressing Print");
        support::win::PostClick(support::win::FindChildById(app.MainWindow(), CMD_PRINT));
        const std::wstring final = FollowRun(app, Lower(entries.back()), entries.size());
        Say(L"final status line: " + final);

        CloseHandle(CreateFileW(readyFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        support::win::WaitFor([&] { return FileExists(goOnFile); }, 60000);
        support::win::PostCommand(app.MainWindow(), CMD_EXIT);
        const auto code = app.WaitForExit(20000);
        Say(code ? L"File > Exit: Vantrel ended with exit code " + std::to_wstring(*code)
                 : std::wstring(L"File > Exit: Vantrel did not end"));
        return final.rfind(L"OLE Error:", 0) == 0 || !code ? 1 : 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo driver: %s\n", e.what());
        return 1;
    }
}
