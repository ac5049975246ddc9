// Open and Remove on a real LISTBOX with large list files, beside the time it takes just to read the
// same file and sort its lines with the list box's own comparison. Open and Remove make the calls their
// handlers make once the dialog has answered. Prints medians; asserts nothing.
// Usage: list_bench [--one-by-one]   (--one-by-one also times LB_ADDSTRING of every line, for contrast)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/win/text.h"
#include "shell/fill_order.h"
#include "shell/list_file.h"
#include "shell/win/file_store.h"
#include "shell/win/list_box.h"
#include "support/win/main_window_list_box.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Document paths such as users gather: a few folders, varied names, in random order.
std::vector<std::string> RandomPaths(size_t count, unsigned seed) {
    static const char* const folders[] = {"C:\\Projects\\Pump\\", "C:\\Projects\\Valve Body\\", "D:\\Vault\\Released\\",
                                          "\\\\server\\cad\\library\\", "C:\\Users\\Design\\Desktop\\"};
    static const char* const kinds[] = {".sldprt", ".SLDASM", ".slddrw", ".prt", ".asm", ".drw"};
    std::mt19937 random(seed);
    std::vector<std::string> paths;
    paths.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        std::string path = folders[random() % 5];
        const int length = 4 + static_cast<int>(random() % 20);
        for (int c = 0; c < length; ++c) {
            const unsigned pick = random() % 40;
            path += pick < 26   ? static_cast<char>((random() % 2 ? 'a' : 'A') + pick)
                    : pick < 36 ? static_cast<char>('0' + pick - 26)
                                : "-_ ."[pick - 36];
        }
        path += kinds[random() % 6];
        paths.push_back(path);
    }
    return paths;
}

std::string WriteListFile(const std::vector<std::string>& paths, const char* name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    shell::win::FileStore files;
    if (files.WriteWhole(path, shell::EncodeListFile(paths)) != shell::FileResult::Ok)
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return path;
}

// The reference: read the whole file, cut it into lines and sort them as the list box compares.
double ReadAndSort(const std::string& path, LCID locale) {
    const auto start = Clock::now();
    shell::win::FileStore files;
    std::string bytes;
    files.ReadWhole(path, bytes);
    std::vector<std::wstring> lines;
    for (std::string_view line : shell::DecodeListFile(bytes))
        lines.push_back(base::win::Widen(line));
    std::sort(lines.begin(), lines.end(), [&](const std::wstring& a, const std::wstring& b) {
        return shell::win::CompareAsListBox(locale, a, b) < 0;
    });
    return SecondsSince(start);
}

struct Session {
    support::win::MainWindowListBox box{true};
    shell::win::ListBox list{box.Get()};
};

// Open's read and refill, until the list has been drawn again.
double TimeOpen(Session& session, const std::string& path) {
    const auto start = Clock::now();
    std::string bytes;
    shell::win::FileStore().ReadWhole(path, bytes);
    session.list.Refill(shell::DecodeListFile(bytes));
    UpdateWindow(session.box.Get());
    Pump();
    return SecondsSince(start);
}

double TimeRemoveEverySecond(Session& session) {
    const int count = session.list.Count();
    // Selecting item by item repaints each one unless the redraw is off.
    SendMessageA(session.box.Get(), WM_SETREDRAW, FALSE, 0);
    for (int i = 1; i < count; i += 2)
        SendMessageA(session.box.Get(), LB_SETSEL, TRUE, i);
    SendMessageA(session.box.Get(), WM_SETREDRAW, TRUE, 0);
    const auto start = Clock::now();
    const std::vector<std::string> kept = shell::EntriesAfterRemove(session.list.Entries(), session.list.Selection());
    session.list.Refill({kept.begin(), kept.end()});
    UpdateWindow(session.box.Get());
    Pump();
    return SecondsSince(start);
}

double TimeAddStringOneByOne(const std::string& path) {
    support::win::MainWindowListBox box{true};
    shell::win::FileStore files;
    std::string bytes;
    files.ReadWhole(path, bytes);
    const auto start = Clock::now();
    SendMessageA(box.Get(), WM_SETREDRAW, FALSE, 0);
    for (std::string_view line : shell::DecodeListFile(bytes)) {
        const std::string text(line);
        SendMessageA(box.Get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(box.Get(), WM_SETREDRAW, TRUE, 0);
    return SecondsSince(start);
}

// The median of rounds runs of measure: one slow round (a page fault storm, another process) doesn't
// decide the figure.
double Median(int rounds, const std::function<double()>& measure) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i)
        times.push_back(measure());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const bool oneByOne = argc > 1 && std::strcmp(argv[1], "--one-by-one") == 0;
    const std::string small = WriteListFile(RandomPaths(10000, 1), "vantrel-bench-10k.txt");
    const std::string large = WriteListFile(RandomPaths(100000, 2), "vantrel-bench-100k.txt");

    Session session;
    const LCID locale = static_cast<LCID>(SendMessageA(session.box.Get(), LB_GETLOCALE, 0, 0));
    Pump();
    constexpr int kRounds = 5;
    std::printf("medians of %d rounds\n", kRounds);

    const double sortSmall = Median(kRounds, [&] { return ReadAndSort(small, locale); });
    const double openSmall = Median(kRounds, [&] { return TimeOpen(session, small); });
    std::printf("Open 10,000 entries:            %8.3f s   read and sort: %8.3f s   ratio %.2f\n", openSmall, sortSmall,
                openSmall / sortSmall);

    const double sortLarge = Median(kRounds, [&] { return ReadAndSort(large, locale); });
    const double openLarge = Median(kRounds, [&] { return TimeOpen(session, large); });
    std::printf("Open 100,000 entries:           %8.3f s   read and sort: %8.3f s   ratio %.2f\n", openLarge, sortLarge,
                openLarge / sortLarge);
    std::printf("Open 100,000 / Open 10,000:     %8.2f\n", openLarge / openSmall);

    // Each round opens the large file again (not timed) and removes every second entry.
    const double remove = Median(kRounds, [&] {
        TimeOpen(session, large);
        return TimeRemoveEverySecond(session);
    });
    std::printf("Remove every second of 100,000: %8.3f s   read and sort: %8.3f s   ratio %.2f   (%d left)\n", remove,
                sortLarge, remove / sortLarge, session.list.Count());

    if (oneByOne) {
        std::printf("LB_ADDSTRING one by one, 10,000:  %8.3f s\n", TimeAddStringOneByOne(small));
        std::printf("LB_ADDSTRING one by one, 100,000: %8.3f s\n", TimeAddStringOneByOne(large));
    }
    DeleteFileA(small.c_str());
    DeleteFileA(large.c_str());
    return 0;
}
