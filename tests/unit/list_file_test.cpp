#include <gtest/gtest.h>

#include "shell/list_file.h"

using shell::DecodeListFile;
using shell::EncodeListFile;
using shell::FileResult;

namespace {

using namespace std::string_literals;

std::vector<std::string> Lines(const std::string& bytes) {
    const std::vector<std::string_view> views = DecodeListFile(bytes);
    return {views.begin(), views.end()};
}

using Strings = std::vector<std::string>;

TEST(ListFileEncodeTest, EveryEntryEndsInCrLfAndTheSizeIsLengthsPlusTwoEach) {
    const Strings entries{"", "C:\\a.prt", "b"};
    const std::string text = EncodeListFile(entries);
    EXPECT_EQ(text, "\r\nC:\\a.prt\r\nb\r\n");
    EXPECT_EQ(text.size(), 0u + 8u + 1u + 2u * 3u);
}

TEST(ListFileEncodeTest, HighBytesAndBlanksGoOutUnchanged) {
    EXPECT_EQ(EncodeListFile({" \xE9t\xE9 .prt "}), " \xE9t\xE9 .prt \r\n");
}

TEST(ListFileEncodeTest, NoEntriesGiveNoBytes) {
    EXPECT_EQ(EncodeListFile({}), "");
}

TEST(ListFileDecodeTest, CrLfLoneCrAndLoneLfEachEndOneLine) {
    EXPECT_EQ(Lines("a\r\nb\rc\nd"), (Strings{"a", "b", "c", "d"}));
}

TEST(ListFileDecodeTest, LfCrIsTwoLineEndsWithAnEmptyLineBetween) {
    EXPECT_EQ(Lines("a\n\rb"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Lines("\n\r"), (Strings{"", ""}));
}

TEST(ListFileDecodeTest, CrCrAndLfLfKeepTheEmptyLine) {
    EXPECT_EQ(Lines("a\r\rb\n\nc"), (Strings{"a", "", "b", "", "c"}));
}

TEST(ListFileDecodeTest, ALastLineWithoutLineEndIsTaken) {
    EXPECT_EQ(Lines("a\r\nb"), (Strings{"a", "b"}));
}

TEST(ListFileDecodeTest, ALineEndAtTheEndAddsNoEmptyLine) {
    EXPECT_EQ(Lines("a\r\nb\r\n"), (Strings{"a", "b"}));
    EXPECT_EQ(Lines("a\r"), (Strings{"a"}));
    EXPECT_EQ(Lines("a\n"), (Strings{"a"}));
    EXPECT_EQ(Lines("\r\n"), (Strings{""}));
}

TEST(ListFileDecodeTest, EmptyLinesAndBlanksAreEntriesUnchanged) {
    EXPECT_EQ(Lines("x\r\n\r\n  y \r\n"), (Strings{"x", "", "  y "}));
}

TEST(ListFileDecodeTest, ANulEndsTheReadingWhereverItStands) {
    EXPECT_EQ(Lines("a\r\nb\0c\r\nd\r\n"s), (Strings{"a", "b"}));
    EXPECT_EQ(Lines("a\r\n\0b\r\n"s), (Strings{"a"}));
    EXPECT_EQ(Lines("a\r\0\nb"s), (Strings{"a"})) << "a CR before the NUL is a line end of its own";
    EXPECT_EQ(Lines("\0a\r\n"s), Strings{});
}

TEST(ListFileDecodeTest, AnEmptyFileGivesNoEntries) {
    EXPECT_EQ(Lines(""), Strings{});
}

TEST(ListFileDecodeTest, ALineLongerThanAnyFixedBufferComesWhole) {
    const std::string longLine(10000, 'x');
    EXPECT_EQ(Lines(longLine + "\r\nshort"), (Strings{longLine, "short"}));
}

TEST(ListFileCodecTest, DecodingWhatWasEncodedGivesTheEntriesBack) {
    const Strings entries{"", "", "C:\\x y\\a.sldprt", "\x80\xFF", "z"};
    EXPECT_EQ(Lines(EncodeListFile(entries)), entries);
}

// What the error box says when a list file can't be read or written.
TEST(ListFileResultTest, EachFailureShowsItsMessage) {
    const std::string path = "C:\\lists\\l.txt";
    EXPECT_EQ(FileResultMessage(FileResult::CannotOpen, path), "Cannot open file C:\\lists\\l.txt");
    EXPECT_EQ(FileResultMessage(FileResult::ReadFailed, path), "Stream read error");
    EXPECT_EQ(FileResultMessage(FileResult::CannotCreate, path), "Cannot create file C:\\lists\\l.txt");
    EXPECT_EQ(FileResultMessage(FileResult::WriteFailed, path), "Stream write error");
}

} // namespace
