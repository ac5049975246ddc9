#include "shell/chosen_paths.h"

namespace shell {

namespace {

// The strings of the run, up to the first empty one or the end of result.
std::vector<std::string_view> RunStrings(std::string_view result) {
    std::vector<std::string_view> strings;
    while (!result.empty() && result.front() != '\0') {
        const size_t end = result.find('\0');
        strings.push_back(result.substr(0, end));
        if (end == std::string_view::npos)
            break;
        result.remove_prefix(end + 1);
    }
    return strings;
}

} // namespace

bool IsAbsoluteName(std::string_view name) {
    if (!name.empty() && name[0] == '\\')
        return true;
    return name.size() > 3 && name[1] == ':' && name[2] == '\\';
}

std::vector<std::string> ChosenPaths(std::string_view result) {
    const std::vector<std::string_view> strings = RunStrings(result);
    if (strings.size() <= 1)
        return {strings.begin(), strings.end()};

    std::string folder(strings[0]);
    if (folder.back() != '\\')
        folder += '\\';
    std::vector<std::string> paths;
    paths.reserve(strings.size() - 1);
    for (size_t i = 1; i < strings.size(); ++i) {
        if (IsAbsoluteName(strings[i]))
            paths.emplace_back(strings[i]);
        else
            paths.push_back(folder + std::string(strings[i]));
    }
    return paths;
}

} // namespace shell
