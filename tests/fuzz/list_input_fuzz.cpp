// libFuzzer target for the two readers of outside bytes: the list-file reader and the parser of the
// multiple-selection dialog's result. Every input goes through both, and the properties each promises
// are checked, not only the absence of crashes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chosen_paths.h"
#include "list_file.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

void CheckListFile(std::string_view input) {
    const std::string_view text = input.substr(0, input.find('\0'));
    const std::vector<std::string_view> lines = shell::DecodeListFile(input);
    size_t total = 0;
    for (std::string_view line : lines) {
        Check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos,
              "a line holds no CR, LF or NUL");
        Check(line.data() >= text.data() && line.data() + line.size() <= text.data() + text.size(),
              "a line lies inside the bytes before the first NUL");
        total += line.size();
    }
    Check(total <= text.size(), "the lines are no longer than the text");
    Check(lines.empty() == text.empty(), "only an empty text gives no lines");

    const std::vector<std::string> entries(lines.begin(), lines.end());
    const std::string encoded = shell::EncodeListFile(entries);
    Check(encoded.size() == total + 2 * entries.size(), "the written size is lengths plus two per entry");
    const std::vector<std::string_view> again = shell::DecodeListFile(encoded);
    Check(std::vector<std::string>(again.begin(), again.end()) == entries, "what is written reads back the same");
}

void CheckChosenPaths(std::string_view input) {
    const std::vector<std::string> paths = shell::ChosenPaths(input);
    size_t strings = 0;
    for (size_t at = 0; at < input.size() && input[at] != '\0'; ++strings) {
        const size_t end = input.find('\0', at);
        at = end == std::string_view::npos ? input.size() : end + 1;
    }
    if (strings <= 1) {
        Check(paths.size() == strings, "one string is the one path");
        return;
    }
    Check(paths.size() == strings - 1, "every name after the folder gives one path");
    std::string folder(input.substr(0, input.find('\0')));
    if (folder.back() != '\\')
        folder += '\\';
    for (const std::string& path : paths) {
        Check(!path.empty(), "no path is empty");
        Check(shell::IsAbsoluteName(path) || path.compare(0, folder.size(), folder) == 0,
              "a path is absolute or begins with the folder");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckListFile(input);
    CheckChosenPaths(input);
    return 0;
}
