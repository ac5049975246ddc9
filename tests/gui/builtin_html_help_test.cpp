// F1 end to end against Wine's own hhctrl.ocx rather than the recording stand-in: the page Wine's viewer
// navigates to is the topic's page inside the compiled help beside the program. Runs only as the
// htmlhelp test of tests/gui/CMakeLists.txt, in a prefix without the stand-ins, with WINEDEBUG=+htmlhelp
// and this program's Unix stderr (which Vantrel inherits) written to the file VANTREL_WINE_TRACE names.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/win/fixtures.h"
#include "support/win/text.h"
#include "vantrel_app.h"

using namespace gui;

namespace {

// The trace file as a Windows path ("Z:" and the Unix path); empty when the variable is not set.
std::wstring TracePath() {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"VANTREL_WINE_TRACE", value, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return L"";
    std::wstring path = L"Z:" + std::wstring(value, length);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// The lines of Wine's trace in which its viewer navigates its browser to a URL.
std::string NavigationLines(const std::wstring& tracePath) {
    const std::string trace = support::win::FileBytes(tracePath).value_or("");
    std::string lines;
    for (size_t start = 0, end; start < trace.size(); start = end + 1) {
        end = trace.find('\n', start);
        if (end == std::string::npos)
            end = trace.size();
        const std::string line = trace.substr(start, end - start);
        if (line.find("navigate_url") != std::string::npos)
            lines += line + "\n";
    }
    return lines;
}

class BuiltinHtmlHelpTest : public VantrelTest {
protected:
    void SetUp() override {
        ASSERT_FALSE(TracePath().empty()) << "run by the htmlhelp test of tests/gui/CMakeLists.txt";
        ASSERT_FALSE(HtmlHelpJournal::StandInsInstalled()) << "needs a prefix with Wine's own hhctrl.ocx";
        VantrelTest::SetUp();
    }
};

} // namespace

TEST_F(BuiltinHtmlHelpTest, F1OnShadedNavigatesWinesViewerToThePageInTheCompiledHelp) {
    F1OnShaded();
    // Wine's trace writes the URL as a C string: each backslash doubled.
    std::string file = support::win::Narrow(HelpFile());
    for (size_t at = 0; (at = file.find('\\', at)) != std::string::npos; at += 2)
        file.insert(at, 1, '\\');
    const std::string url = "navigate_url L\"mk:@MSITStore:" + file + "::/shaded.html\"";
    const bool navigated = WaitFor([&] { return NavigationLines(TracePath()).find(url) != std::string::npos; }, 15000);
    EXPECT_TRUE(navigated) << "expected " << url << "\nnavigations traced:\n" << NavigationLines(TracePath());
}
