// Which help viewer, which help file, and whether the help project has a topic for every context.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "forms/help_viewer_choice.h"
#include "shell/main_window_layout.h"

using namespace forms;
using namespace shell;

TEST(HelpViewerFor, WinHelpUpToServer2003AndHtmlHelpFromVistaOn) {
    EXPECT_EQ(HelpViewerFor({5, 1}), HelpViewer::WinHelp);  // XP
    EXPECT_EQ(HelpViewerFor({5, 2}), HelpViewer::WinHelp);  // XP x64, Server 2003
    EXPECT_EQ(HelpViewerFor({6, 0}), HelpViewer::HtmlHelp); // Vista
    EXPECT_EQ(HelpViewerFor({6, 1}), HelpViewer::HtmlHelp); // 7: its WinHelp viewer is a separate download
    EXPECT_EQ(HelpViewerFor({10, 0}), HelpViewer::HtmlHelp);
}

TEST(CompiledHelpFileName, TheHelpFileSettingsStemWithTheCompiledHelpExtension) {
    EXPECT_EQ(CompiledHelpFileName(kHelpFile), "Vantrel.chm");
    EXPECT_EQ(CompiledHelpFileName("my.help.hlp"), "my.help.chm");
    EXPECT_EQ(CompiledHelpFileName("Vantrel"), "Vantrel.chm");
    EXPECT_EQ(CompiledHelpFileName("c:\\help.d\\Vantrel"), "c:\\help.d\\Vantrel.chm");
}

TEST(BesideProgram, ReplacesTheProgramsFileNameAndKeepsItsFolder) {
    EXPECT_EQ(BesideProgram("C:\\Program Files\\Vantrel\\Vantrel.exe", "Vantrel.chm"),
              "C:\\Program Files\\Vantrel\\Vantrel.chm");
    EXPECT_EQ(BesideProgram("\\\\server\\share\\Vantrel.exe", "Vantrel.chm"), "\\\\server\\share\\Vantrel.chm");
    EXPECT_EQ(BesideProgram("Vantrel.exe", "Vantrel.chm"), "Vantrel.chm");
}

// --- the help project: a topic for every context number the window asks for ------------------------------

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Context number -> topic file, from the #defines of help_contexts.h and the project's ALIAS lines.
std::map<int, std::string> TopicsOfTheHelpProject() {
    std::map<std::string, std::string> topicOfName;
    const std::regex alias(R"(^(IDH_\w+)=(\S+)\r?$)");
    std::istringstream project(ReadText(VANTREL_HELP_SOURCES "/Vantrel.hhp"));
    for (std::string line; std::getline(project, line);) {
        std::smatch match;
        if (std::regex_match(line, match, alias))
            topicOfName[match[1]] = match[2];
    }
    std::map<int, std::string> topics;
    const std::regex define(R"(#define\s+(IDH_\w+)\s+(\d+))");
    const std::string contexts = ReadText(VANTREL_HELP_CONTEXTS);
    for (std::sregex_iterator it(contexts.begin(), contexts.end(), define), end; it != end; ++it)
        topics[std::stoi((*it)[2])] = topicOfName[(*it)[1]];
    return topics;
}

} // namespace

TEST(HelpProject, EveryContextTheWindowAsksForHasATopicFile) {
    std::set<int> asked;
    for (size_t i = 0; i < kControlCount; ++i)
        asked.insert(kControls[i].helpContext);
    for (size_t i = 0; i < kMenuHelpCount; ++i)
        asked.insert(kMenuHelp[i].helpContext);
    asked.erase(0); // the Help menu's items: the contents page, the project's default topic

    const std::map<int, std::string> topics = TopicsOfTheHelpProject();
    ASSERT_EQ(asked.size(), 17u);
    for (int context : asked) {
        const auto topic = topics.find(context);
        ASSERT_NE(topic, topics.end()) << "context " << context << " is not in help_contexts.h";
        ASSERT_FALSE(topic->second.empty()) << "context " << context << " has no ALIAS in Vantrel.hhp";
        EXPECT_TRUE(std::ifstream(VANTREL_HELP_SOURCES "/" + topic->second).good()) << topic->second;
    }
    EXPECT_NE(ReadText(VANTREL_HELP_SOURCES "/Vantrel.hhp").find("Default topic=index.html"), std::string::npos);
}
