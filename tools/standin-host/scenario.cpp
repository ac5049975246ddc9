#include "scenario.h"

#include <charconv>
#include <optional>

namespace standin {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Takes the next blank-separated word off the front of text.
std::string_view NextWord(std::string_view& text) {
    text = TrimLeft(text);
    size_t end = 0;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

template <typename Int> std::optional<Int> ParseInteger(std::string_view word, int base) {
    Int value{};
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value, base);
    if (word.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// A status is always written in hexadecimal with its 0x prefix, so "10" can never be misread.
std::optional<int32_t> ParseStatus(std::string_view word) {
    if (word.size() < 3 || word[0] != '0' || (word[1] != 'x' && word[1] != 'X'))
        return std::nullopt;
    auto value = ParseInteger<uint32_t>(word.substr(2), 16);
    if (!value)
        return std::nullopt;
    return static_cast<int32_t>(*value);
}

std::optional<uint32_t> ParseCallNumber(std::string_view word) {
    auto value = ParseInteger<uint32_t>(word, 10);
    if (!value || *value == 0)
        return std::nullopt;
    return value;
}

// Each keyword's reader gets the rest of its line and answers an error reason, or empty when the
// line was taken.
using LineReader = std::string (*)(Scenario&, std::string_view);

std::string ReadMember(std::string_view& rest, const automation::Member*& member) {
    std::string_view name = NextWord(rest);
    member = FindMember(name);
    if (name.empty())
        return "member name missing";
    if (!member)
        return "unknown member '" + std::string(name) + "'";
    return {};
}

std::string ReadCallNumber(std::string_view& rest, uint32_t& nth) {
    std::string_view word = NextWord(rest);
    auto value = ParseCallNumber(word);
    if (!value)
        return "call number must be 1 or more, not '" + std::string(word) + "'";
    nth = *value;
    return {};
}

std::string ReadStatus(std::string_view& rest, int32_t& status) {
    std::string_view word = NextWord(rest);
    auto value = ParseStatus(word);
    if (!value)
        return "status must be hexadecimal like 0x80004005, not '" + std::string(word) + "'";
    status = *value;
    return {};
}

std::string ExpectEnd(std::string_view rest) {
    rest = Trim(rest);
    if (!rest.empty())
        return "unexpected '" + std::string(rest) + "'";
    return {};
}

// "<Member> <N>" followed by what the kind needs.
std::string ReadFault(Scenario& scenario, std::string_view rest, FaultKind kind) {
    Fault fault;
    fault.kind = kind;
    std::string error = ReadMember(rest, fault.member);
    if (error.empty())
        error = ReadCallNumber(rest, fault.nth);
    if (error.empty() && (kind == FaultKind::Fail || kind == FaultKind::Raise))
        error = ReadStatus(rest, fault.status);
    if (!error.empty())
        return error;
    if (kind == FaultKind::Raise)
        fault.description = ExpandEscapes(TrimLeft(rest));
    else if (std::string e = ExpectEnd(rest); !e.empty())
        return e;
    scenario.faults.push_back(std::move(fault));
    return {};
}

std::string ReadFail(Scenario& s, std::string_view rest) {
    return ReadFault(s, rest, FaultKind::Fail);
}
std::string ReadRaise(Scenario& s, std::string_view rest) {
    return ReadFault(s, rest, FaultKind::Raise);
}
std::string ReadDie(Scenario& s, std::string_view rest) {
    return ReadFault(s, rest, FaultKind::Die);
}

// activate-empty / activate-null name no member: they always concern ActivateDoc.
std::string ReadActivateFault(Scenario& scenario, std::string_view rest, FaultKind kind) {
    Fault fault;
    fault.kind = kind;
    fault.member = &automation::kActivateDoc;
    std::string error = ReadCallNumber(rest, fault.nth);
    if (error.empty())
        error = ExpectEnd(rest);
    if (error.empty())
        scenario.faults.push_back(std::move(fault));
    return error;
}

std::string ReadActivateEmpty(Scenario& s, std::string_view rest) {
    return ReadActivateFault(s, rest, FaultKind::ActivateEmpty);
}
std::string ReadActivateNull(Scenario& s, std::string_view rest) {
    return ReadActivateFault(s, rest, FaultKind::ActivateNull);
}

std::string ReadUnknown(Scenario& scenario, std::string_view rest) {
    const automation::Member* member = nullptr;
    std::string error = ReadMember(rest, member);
    if (error.empty())
        error = ExpectEnd(rest);
    if (error.empty())
        scenario.refused.push_back(member);
    return error;
}

std::string ReadDelay(Scenario& scenario, std::string_view rest) {
    Delay delay;
    std::string error = ReadMember(rest, delay.member);
    if (!error.empty())
        return error;
    std::string_view word = NextWord(rest);
    auto ms = ParseInteger<uint32_t>(word, 10);
    if (!ms)
        return "milliseconds must be a whole number, not '" + std::string(word) + "'";
    if (error = ExpectEnd(rest); !error.empty())
        return error;
    delay.milliseconds = *ms;
    for (Delay& existing : scenario.delays) {
        if (existing.member == delay.member) {
            existing = delay;
            return {};
        }
    }
    scenario.delays.push_back(delay);
    return {};
}

std::string ReadOpenError(Scenario& scenario, std::string_view rest) {
    std::string_view word = NextWord(rest);
    auto value = ParseInteger<int32_t>(word, 10);
    if (!value)
        return "open-error must be a decimal integer, not '" + std::string(word) + "'";
    if (std::string error = ExpectEnd(rest); !error.empty())
        return error;
    scenario.openError = *value;
    return {};
}

std::string ReadExitWait(Scenario& scenario, std::string_view rest) {
    std::string_view word = NextWord(rest);
    auto value = ParseInteger<uint32_t>(word, 10);
    if (!value)
        return "exit-wait must be a whole number of milliseconds, not '" + std::string(word) + "'";
    if (std::string error = ExpectEnd(rest); !error.empty())
        return error;
    scenario.exitWaitMilliseconds = *value;
    return {};
}

std::string ReadJournal(Scenario& scenario, std::string_view rest) {
    rest = Trim(rest);
    if (rest.empty())
        return "journal path missing";
    scenario.journalPath = std::string(rest);
    return {};
}

std::string ReadWindow(Scenario& scenario, std::string_view rest, bool visible) {
    rest = Trim(rest);
    if (rest.empty())
        return "window title missing";
    scenario.windows.push_back({std::string(rest), visible});
    return {};
}

std::string ReadVisibleWindow(Scenario& s, std::string_view rest) {
    return ReadWindow(s, rest, true);
}
std::string ReadHiddenWindow(Scenario& s, std::string_view rest) {
    return ReadWindow(s, rest, false);
}

std::string ReadOneApplication(Scenario& scenario, std::string_view rest) {
    scenario.oneApplication = true;
    return ExpectEnd(rest);
}

struct Keyword {
    std::string_view word;
    LineReader read;
};

constexpr Keyword kKeywords[] = {
    {"journal", ReadJournal},
    {"fail", ReadFail},
    {"raise", ReadRaise},
    {"unknown", ReadUnknown},
    {"activate-empty", ReadActivateEmpty},
    {"activate-null", ReadActivateNull},
    {"die", ReadDie},
    {"delay", ReadDelay},
    {"open-error", ReadOpenError},
    {"exit-wait", ReadExitWait},
    {"window", ReadVisibleWindow},
    {"hidden-window", ReadHiddenWindow},
    {"one-app", ReadOneApplication},
};

std::string ReadLine(Scenario& scenario, std::string_view line) {
    std::string_view rest = line;
    std::string_view word = NextWord(rest);
    for (const Keyword& keyword : kKeywords) {
        if (keyword.word == word)
            return keyword.read(scenario, rest);
    }
    return "unknown keyword '" + std::string(word) + "'";
}

} // namespace

const automation::Member* FindMember(std::string_view name) {
    for (const automation::Member* member : automation::kAllMembers) {
        if (name == member->name)
            return member;
    }
    return nullptr;
}

std::string ExpandEscapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '\\' && (next == 'r' || next == 'n' || next == '\\')) {
            out += next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

Scenario ParseScenario(std::string_view text) {
    Scenario scenario;
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF"; // Notepad writes one
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        text.remove_prefix(kUtf8Bom.size());
    size_t lineNumber = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view content = TrimLeft(line);
        if (content.empty() || content.front() == '#')
            continue;
        if (std::string reason = ReadLine(scenario, content); !reason.empty())
            scenario.errors.push_back({lineNumber, std::move(reason)});
    }
    return scenario;
}

} // namespace standin
