// A drop of 10,000 documents on a real LISTBOX: once as one folder of 100 subfolders (walked through
// FindFirstFileW), once as 10,000 dropped files, each with the calls a drop's handler makes. Prints
// seconds; asserts nothing.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/dropped_documents.h"
#include "shell/win/list_box.h"
#include "shell/win/shell_drop.h"

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;

// The tree, and the paths of its documents.
std::vector<std::string> MakeTree(const std::string& root) {
    CreateDirectoryA(root.c_str(), nullptr);
    std::vector<std::string> documents;
    for (int folder = 0; folder < kFolders; ++folder) {
        const std::string sub = root + "\\assembly " + std::to_string(folder);
        CreateDirectoryA(sub.c_str(), nullptr);
        for (int file = 0; file < kFilesPerFolder; ++file) {
            documents.push_back(sub + "\\part-" + std::to_string(file * 7919 % 10007) + ".SLDPRT");
            CloseHandle(CreateFileA(documents.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
    }
    return documents;
}

double SecondsToDrop(const std::vector<shell::ShellName>& dropped) {
    HWND frame = CreateWindowExA(0, "STATIC", "drop_bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                                 nullptr, nullptr, nullptr);
    HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT,
                               16, 16, 537, 313, frame, nullptr, nullptr, nullptr);
    shell::win::ListBox list(box);
    shell::win::FindFileSystem fileSystem;
    const auto start = std::chrono::steady_clock::now();
    const shell::DroppedDocuments found = shell::GatherDroppedDocuments(dropped, fileSystem);
    {
        const shell::win::ListBox::RedrawSuspension suspended(list);
        list.Add(found.paths);
    }
    UpdateWindow(box);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("  %d entries\n", list.Count());
    DestroyWindow(frame);
    return seconds;
}

} // namespace

int main() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "vantrel-drop-bench";
    const std::vector<std::string> documents = MakeTree(root);
    std::printf("a folder of %d documents: %.3f s\n", kFolders * kFilesPerFolder, SecondsToDrop({{root, true}}));
    std::vector<shell::ShellName> files;
    for (const std::string& document : documents)
        files.push_back({document, true});
    std::printf("%zu dropped files:          %.3f s\n", files.size(), SecondsToDrop(files));
    for (const std::string& document : documents)
        DeleteFileA(document.c_str());
    for (int folder = 0; folder < kFolders; ++folder)
        RemoveDirectoryA((root + "\\assembly " + std::to_string(folder)).c_str());
    RemoveDirectoryA(root.c_str());
}
