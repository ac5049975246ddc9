// libFuzzer target for the readers of outside bytes: the list-file reader, and the taking and parsing
// of a file dialog's result. Every input goes through both, and the properties each promises
// are checked, not only the absence of crashes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "shell/file_dialog.h"
#include "shell/file_dialog.h"
#include "shell/list_file.h"

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

void CheckDialogResult(std::string_view input) {
    for (const bool multiple : {false, true}) {
        const std::optional<std::string> result = shell::TakeDialogResult(input, multiple);
        if (!result)
            continue;
        Check(result->size() <= input.size() && input.compare(0, result->size(), *result) == 0,
              "a result is a prefix of the buffer");
        Check(!result->empty() || !multiple, "a run holds at least its end");
        if (multiple)
            Check(result->size() >= 2 && result->compare(result->size() - 2, 2, std::string_view("\0\0", 2)) == 0,
                  "a run ends in an empty string");
        else
            Check(result->find('\0') == std::string::npos, "one string holds no NUL");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckListFile(input);
    CheckChosenPaths(input);
    CheckDialogResult(input);
    return 0;
}
