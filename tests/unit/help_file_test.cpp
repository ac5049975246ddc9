// Which help file, how a page of it is named, and whether every context the window asks for has a page.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "forms/help_file.h"
#include "res/help_contexts.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_layout.h"

using namespace forms;
using namespace shell;

TEST(CompiledHelpFileName, TheHelpFileSettingsStemWithTheCompiledHelpExtension) {
    EXPECT_EQ(CompiledHelpFileName(kHelpFile), "Vantrel.chm");
    EXPECT_EQ(CompiledHelpFileName("my.help.hlp"), "my.help.chm");
    EXPECT_EQ(CompiledHelpFileName("Vantrel"), "Vantrel.chm");
    EXPECT_EQ(CompiledHelpFileName("c:\\help.d\\Vantrel"), "c:\\help.d\\Vantrel.chm");
}

TEST(BesideProgram, ReplacesTheProgramsFileNameAndKeepsItsFolder) {
    EXPECT_EQ(BesideProgram(L"C:\\Users\\\u0418\u0432\u0430\u043d\\C# tools\\Vantrel.exe", L"Vantrel.chm"),
              L"C:\\Users\\\u0418\u0432\u0430\u043d\\C# tools\\Vantrel.chm");
    EXPECT_EQ(BesideProgram(L"\\\\server\\share\\Vantrel.exe", L"Vantrel.chm"), L"\\\\server\\share\\Vantrel.chm");
    EXPECT_EQ(BesideProgram(L"Vantrel.exe", L"Vantrel.chm"), L"Vantrel.chm");
}

TEST(HelpPageAddress, APageByItsNameInsideTheFileOrTheFileItselfForTheDefaultTopic) {
    EXPECT_EQ(HelpPageAddress(L"C:\\V\\Vantrel.chm", L"shaded.html"), L"C:\\V\\Vantrel.chm::/shaded.html");
    EXPECT_EQ(HelpPageAddress(L"C:\\V\\Vantrel.chm", L""), L"C:\\V\\Vantrel.chm");
}

// --- the topic table: a page for every context number the window asks for ------------------------------

TEST(HelpTopicPage, EveryContextTheWindowAsksForHasOnePageInTheHelpSources) {
    std::set<int> asked;
    for (size_t i = 0; i < kControlCount; ++i)
        asked.insert(kControls[i].helpContext);
    for (size_t i = 0; i < kMenuHelpCount; ++i)
        asked.insert(kMenuHelp[i].helpContext);
    asked.erase(0); // no context: F1 does nothing on a control, the default topic on a menu item
    ASSERT_EQ(asked.size(), 18u);
    ASSERT_EQ(std::size(kHelpTopics), asked.size()) << "a context twice in the table, or one nobody asks for";

    for (int context : asked) {
        const char* page = HelpTopicPage(context);
        ASSERT_NE(page, nullptr) << "context " << context << " has no page in res/help_contexts.h";
        EXPECT_TRUE(std::ifstream(VANTREL_HELP_SOURCES "/" + std::string(page)).good()) << page;
    }
    EXPECT_EQ(HelpTopicPage(0), nullptr);
}
