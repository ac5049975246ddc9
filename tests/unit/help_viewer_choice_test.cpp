#include <gtest/gtest.h>

#include "help_viewer_choice.h"
#include "main_window_layout.h"

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
