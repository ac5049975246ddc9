#include "journal.h"

#include <charconv>

namespace standin {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c == '%' || c == ';';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Splits at every separator; an empty text gives no parts.
std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    if (text.empty())
        return parts;
    for (;;) {
        size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

} // namespace

JournalArg TextArg(uint16_t type, std::string utf8) {
    return {type, true, std::move(utf8)};
}
JournalArg NumberArg(uint16_t type, int32_t value) {
    return {type, true, std::to_string(value)};
}
JournalArg OpaqueArg(uint16_t type) {
    return {type, false, {}};
}

std::string EscapeJournalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            out += '%';
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeJournalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        bool escaped = text[i] == '%' && i + 2 < text.size();
        int high = escaped ? HexValue(text[i + 1]) : -1;
        int low = escaped ? HexValue(text[i + 2]) : -1;
        if (high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatJournalArgs(const std::vector<JournalArg>& args) {
    std::string out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0)
            out += ';';
        out += std::to_string(args[i].type);
        out += ':';
        if (args[i].hasValue)
            out += EscapeJournalText(args[i].value);
    }
    return out;
}

std::vector<JournalArg> ParseJournalArgs(std::string_view args) {
    std::vector<JournalArg> parsed;
    for (std::string_view part : Split(args, ';')) {
        size_t colon = part.find(':');
        std::string_view type = part.substr(0, colon);
        JournalArg arg;
        std::from_chars(type.data(), type.data() + type.size(), arg.type);
        if (colon != std::string_view::npos) {
            arg.value = UnescapeJournalText(part.substr(colon + 1));
            arg.hasValue = !arg.value.empty();
        }
        parsed.push_back(std::move(arg));
    }
    return parsed;
}

void Journal::ServerStart(uint32_t processId) {
    Write("server", "server-start", "", "", "pid=" + std::to_string(processId));
}

void Journal::ScenarioError(size_t line, std::string_view reason) {
    Write("server", "scenario-error", "", "", "line=" + std::to_string(line) + ";" + EscapeJournalText(reason));
}

void Journal::ServerError(std::string_view what) {
    Write("server", "server-error", "", "", EscapeJournalText(what));
}

void Journal::ServerReady() {
    Write("server", "server-ready", "", "", "");
}

void Journal::Create(std::string_view object) {
    Write(object, "create", "", "", "");
}

void Journal::AddRef(std::string_view object, uint32_t count) {
    Write(object, "addref", "", "", std::to_string(count));
}

void Journal::Release(std::string_view object, uint32_t count) {
    Write(object, "release", "", "", std::to_string(count));
}

void Journal::Unknown(std::string_view object, std::string_view askedName) {
    Write(object, "unknown", EscapeJournalText(askedName), "", "");
}

void Journal::Call(std::string_view object, std::string_view member, uint16_t flags,
                   const std::vector<JournalArg>& args) {
    Write(object, "call", member, std::to_string(flags), FormatJournalArgs(args));
}

void Journal::ExitRequested(std::string_view object) {
    Write(object, "exit-requested", "", "", "");
}

void Journal::ServerExit(size_t liveObjects) {
    Write("server", "server-exit", "", "", "live=" + std::to_string(liveObjects));
    closed_ = true;
}

void Journal::Write(std::string_view object, std::string_view event, std::string_view member, std::string_view kind,
                    std::string_view args) {
    if (closed_)
        return;
    std::string line = std::to_string(++seq_);
    for (std::string_view field : {object, event, member, kind, args}) {
        line += '\t';
        line += field;
    }
    sink_.Append(line);
}

bool ParseJournalLine(std::string_view line, JournalEntry& entry) {
    std::vector<std::string_view> fields = Split(line, '\t');
    if (fields.size() != 6)
        return false;
    std::string_view seq = fields[0];
    auto [end, ec] = std::from_chars(seq.data(), seq.data() + seq.size(), entry.seq);
    if (seq.empty() || ec != std::errc() || end != seq.data() + seq.size())
        return false;
    entry.object = fields[1];
    entry.event = fields[2];
    entry.member = fields[3];
    entry.kind = fields[4];
    entry.args = fields[5];
    return true;
}

std::vector<JournalEntry> ParseJournal(std::string_view text) {
    std::vector<JournalEntry> entries;
    for (size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        JournalEntry entry;
        if (ParseJournalLine(line, entry))
            entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace standin
