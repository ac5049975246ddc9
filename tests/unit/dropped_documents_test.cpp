#include <gtest/gtest.h>

#include <map>
#include <set>

#include "shell/dropped_documents.h"

using namespace shell;

namespace {

using Strings = std::vector<std::string>;

// Folders by path with their items (nothing: unreadable); any other path named in files is a file.
struct TreeFileSystem : DropFileSystem {
    std::map<std::string, std::optional<std::vector<FolderItem>>> folders;
    std::set<std::string> files;

    PathKind Kind(const std::string& path) override {
        return folders.count(path) ? PathKind::Folder : files.count(path) ? PathKind::File : PathKind::Missing;
    }
    std::optional<std::vector<FolderItem>> Items(const std::string& folder) override { return folders.at(folder); }
};

FolderItem File(const char* name, bool exact = true) {
    return {{name, exact}, false, false};
}
FolderItem Folder(const char* name, bool link = false) {
    return {{name, true}, true, link};
}

TEST(DroppedDocumentsTest, DocumentNamesAreTheAddFiltersSixExtensionsInAnyCase) {
    for (const char* name : {"a.prt", "a.SLDPRT", "b.Asm", "b.sldasm", "c.DRW", "c.slddrw", ".prt"})
        EXPECT_TRUE(IsDocumentName(name)) << name;
    for (const char* name : {"a.txt", "a.prt.bak", "a.sldprtx", "aprt", "a.sld", "", "drw"})
        EXPECT_FALSE(IsDocumentName(name)) << name;
}

TEST(DroppedDocumentsTest, JoinAddsOneBackslashExceptAfterADrivesRoot) {
    EXPECT_EQ(JoinPath("D:\\", "a.prt"), "D:\\a.prt");
    EXPECT_EQ(JoinPath("C:\\p", "a.prt"), "C:\\p\\a.prt");
    EXPECT_EQ(JoinPath("C:\\\x95\\", "a.prt"), "C:\\\x95\\\\a.prt") << "a double-byte character's last byte";
}

TEST(DroppedDocumentsTest, FilesComeAsTheyAreAndFoldersGiveTheirDocumentsDownToEverySubfolder) {
    TreeFileSystem tree;
    tree.files = {"C:\\notes.txt"};
    tree.folders["C:\\p"] = std::vector<FolderItem>{File("a.SLDPRT"), File("read.me"), Folder("sub"),
                                                    Folder("loop", true), File("\xe9?.prt", false)};
    tree.folders["C:\\p\\sub"] = std::vector<FolderItem>{File("b.drw"), Folder("locked"), Folder("empty")};
    tree.folders["C:\\p\\sub\\locked"] = std::nullopt;
    tree.folders["C:\\p\\sub\\empty"] = std::vector<FolderItem>{};
    tree.folders["D:\\"] = std::vector<FolderItem>{File("x.txt")};
    const std::string tooLong(kLongestEntry + 1, 'x');

    const DroppedDocuments found = GatherDroppedDocuments({{"C:\\notes.txt", true},
                                                           {"C:\\p", true},
                                                           {"D:\\", true},
                                                           {"", true},
                                                           {"::{20D04FE0}", true},
                                                           {"C:\\?.prt", false},
                                                           {tooLong, true}},
                                                          tree);
    EXPECT_EQ(found.paths, (Strings{"C:\\notes.txt", "C:\\p\\a.SLDPRT", "C:\\p\\sub\\b.drw"}));
    EXPECT_EQ(LeftOutMessage(found.leftOut),
              "These dropped items were not added:\n"
              "\nC:\\p\\\xe9?.prt: the name has characters that the system's ANSI code page can't hold"
              "\nC:\\p\\sub\\locked: the folder can't be read"
              "\nD:\\: no parts, assemblies or drawings in the folder or its subfolders"
              "\n(an item without a file path): not a file or folder"
              "\n::{20D04FE0}: not a file or folder"
              "\nC:\\?.prt: the name has characters that the system's ANSI code page can't hold"
              "\n" +
                  std::string(200, 'x') + "...: the path is longer than 4095 bytes");
}

TEST(DroppedDocumentsTest, TheMessageNamesTheFirstTenAndCountsTheRest) {
    std::vector<LeftOut> leftOut(12, {LeftOutReason::NotAFile, "x"});
    const std::string message = LeftOutMessage(leftOut);
    EXPECT_EQ(message.substr(message.rfind('\n')), "\n... and 2 more");
    EXPECT_EQ(LeftOutMessage({}), "");
}

} // namespace
