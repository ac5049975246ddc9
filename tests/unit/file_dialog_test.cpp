#include <gtest/gtest.h>

#include <utility>

#include "shell/file_dialog.h"
#include "support/scripted_file_dialogs.h"

using shell::ChosenPaths;
using shell::IsAbsoluteName;

namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

TEST(ChosenPathsTest, OneStringIsTheFullPathOfTheOneFile) {
    EXPECT_EQ(ChosenPaths("C:\\parts\\a.prt\0\0"s), (Strings{"C:\\parts\\a.prt"}));
}

TEST(ChosenPathsTest, SeveralNamesGetTheFolderAndABackslash) {
    EXPECT_EQ(ChosenPaths("C:\\parts\0b.prt\0a.sldprt\0\0"s), (Strings{"C:\\parts\\b.prt", "C:\\parts\\a.sldprt"}))
        << "the names keep the dialog's order";
}

TEST(ChosenPathsTest, AFolderEndingInABackslashGetsNoSecondOne) {
    EXPECT_EQ(ChosenPaths("C:\\\0a.prt\0b.prt\0\0"s), (Strings{"C:\\a.prt", "C:\\b.prt"}));
}

TEST(ChosenPathsTest, AbsoluteNamesAreTakenAsTheyAre) {
    EXPECT_EQ(ChosenPaths("C:\\parts\0D:\\other\\x.prt\0\\\\server\\share\\y.prt\0z.prt\0\0"s),
              (Strings{"D:\\other\\x.prt", "\\\\server\\share\\y.prt", "C:\\parts\\z.prt"}));
}

TEST(ChosenPathsTest, ADriveNameNeedsMoreThanThreeCharactersToBeAbsolute) {
    EXPECT_TRUE(IsAbsoluteName("\\"));
    EXPECT_TRUE(IsAbsoluteName("D:\\x"));
    EXPECT_FALSE(IsAbsoluteName("D:\\"));
    EXPECT_FALSE(IsAbsoluteName("D:x.prt"));
    EXPECT_FALSE(IsAbsoluteName("ab:\\y"));
    EXPECT_FALSE(IsAbsoluteName(""));
    EXPECT_EQ(ChosenPaths("C:\\f\0D:\\\0\0"s), (Strings{"C:\\f\\D:\\"}));
}

TEST(ChosenPathsTest, TheRunEndsAtTheFirstEmptyStringOrTheEndOfTheBuffer) {
    EXPECT_EQ(ChosenPaths("C:\\f\0a\0\0b\0\0"s), (Strings{"C:\\f\\a"}));
    EXPECT_EQ(ChosenPaths("C:\\f\0a\0b"s), (Strings{"C:\\f\\a", "C:\\f\\b"}));
    EXPECT_EQ(ChosenPaths("C:\\only"), (Strings{"C:\\only"}));
    EXPECT_EQ(ChosenPaths(""), Strings{});
    EXPECT_EQ(ChosenPaths("\0C:\\x\0\0"s), Strings{});
}

TEST(FileDialogTest, ThePlatformFilterHasNulSeparatorsAndEndsInAnEmptyString) {
    EXPECT_EQ(shell::PlatformFilter("file list (*.txt)|*.txt|all files (*.*)|*.*"),
              "file list (*.txt)\0*.txt\0all files (*.*)\0*.*\0\0"s);
}

TEST(FileDialogTest, AResultIsTakenUpToTheEndOfItsStringOrRun) {
    const auto take = [](const std::string& buffer, bool multiple) {
        return shell::TakeDialogResult(buffer, multiple);
    };
    EXPECT_EQ(take("C:\\l.txt\0junk"s, false), "C:\\l.txt");
    EXPECT_EQ(take("C:\\p\0a\0b\0\0junk"s, true), "C:\\p\0a\0b\0\0"s);
    EXPECT_EQ(take("C:\\p\\a.prt\0\0"s, true), "C:\\p\\a.prt\0\0"s) << "a run that fills the buffer exactly";
}

TEST(FileDialogTest, AResultWithoutItsEndInTheBufferDidNotFit) {
    const auto take = [](const std::string& buffer, bool multiple) {
        return shell::TakeDialogResult(buffer, multiple);
    };
    EXPECT_EQ(take("C:\\p\0a\0cut shor\0"s, true), std::nullopt) << "a run cut short ends in a name";
    EXPECT_EQ(take("C:\\p\0a\0cut shor"s, true), std::nullopt);
    EXPECT_EQ(take("C:\\no terminator"s, false), std::nullopt);
    EXPECT_EQ(take("", false), std::nullopt);
}

// Each use proposes the first path and the filter entry of the last choice; a cancel, or a multiple
// selection that holds no name, changes neither.
TEST(FileDialogTest, ItProposesTheFirstPathAndFilterEntryOfItsLastChoice) {
    support::ScriptedFileDialogs host;
    host.answers = {support::DialogChoice{"C:\\p\0b.prt\0a.prt\0\0"s, 3}, std::nullopt,
                    support::DialogChoice{"\0\0"s, 4}, support::DialogChoice{"C:\\q.prt\0"s, 2}};
    shell::FileDialog dialog(shell::kAddDialog);
    EXPECT_EQ(dialog.Execute(host), (Strings{"C:\\p\\b.prt", "C:\\p\\a.prt"}));
    EXPECT_EQ(dialog.Execute(host), Strings{});
    EXPECT_EQ(dialog.Execute(host), Strings{});
    EXPECT_EQ(dialog.Execute(host), Strings{"C:\\q.prt"});
    std::vector<std::pair<std::string, int>> proposed;
    for (const auto& shown : host.shown) {
        EXPECT_EQ(shown.dialog, &shell::kAddDialog);
        proposed.emplace_back(shown.fileName, shown.filterIndex);
    }
    EXPECT_EQ(proposed, (std::vector<std::pair<std::string, int>>{
                            {"", 1}, {"C:\\p\\b.prt", 3}, {"C:\\p\\b.prt", 3}, {"C:\\p\\b.prt", 3}}));
    EXPECT_EQ(dialog.FileName(), "C:\\q.prt");
    EXPECT_EQ(dialog.FilterIndex(), 2);
}

} // namespace
