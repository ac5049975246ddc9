#pragma once
// The stand-in host's journal: one line per event, so a test can check every call the program made,
// with its argument types and values, and every reference it took and gave back.
//
// A line is six tab-separated fields, ended by LF:
//   <seq> <object> <event> <member> <kind> <args>
// See README.md for what each event puts in each field. Text that could break the format (a BSTR, a
// name a caller asked for) has '%', ';' and every control character written as %XX.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

// One argument as journaled: its VARIANT type code and, for the kinds the journal shows, its value
// (UTF-8 text for a BSTR, decimal for BOOL, I4 and the integer a BYREF|I4 points at).
struct JournalArg {
    uint16_t type = 0;
    bool hasValue = false;
    std::string value;
};

JournalArg TextArg(uint16_t type, std::string utf8);
JournalArg NumberArg(uint16_t type, int32_t value);
JournalArg OpaqueArg(uint16_t type);

std::string EscapeJournalText(std::string_view text);
std::string UnescapeJournalText(std::string_view text);

// "vt:value;vt:value", the arguments in the caller's order.
std::string FormatJournalArgs(const std::vector<JournalArg>& args);
// The reverse, values unescaped; hasValue is false when nothing follows the colon (an empty BSTR too).
std::vector<JournalArg> ParseJournalArgs(std::string_view args);

// Where finished lines go (the journal file in the server, a vector in tests).
class LineSink {
public:
    virtual ~LineSink() = default;
    // line has no line end; the sink adds it.
    virtual void Append(const std::string& line) = 0;
};

class Journal {
public:
    explicit Journal(LineSink& sink) : sink_(sink) {}

    void ServerStart(uint32_t processId);
    void ScenarioError(size_t line, std::string_view reason);
    void ServerError(std::string_view what);
    // The class is registered: from here on a client reaches this server rather than starting another.
    void ServerReady();
    void Create(std::string_view object);
    void AddRef(std::string_view object, uint32_t count);
    void Release(std::string_view object, uint32_t count);
    void Unknown(std::string_view object, std::string_view askedName);
    void Call(std::string_view object, std::string_view member, uint16_t flags, const std::vector<JournalArg>& args);
    void ExitRequested(std::string_view object);
    // The last line: nothing is journaled after it, so the references COM drops while the server
    // tears down never look like releases by the client.
    void ServerExit(size_t liveObjects);

private:
    void Write(std::string_view object, std::string_view event, std::string_view member, std::string_view kind,
               std::string_view args);

    LineSink& sink_;
    uint64_t seq_ = 0;
    bool closed_ = false;
};

// One journal line split into its fields, for tests. member and args stay escaped as written.
struct JournalEntry {
    uint64_t seq = 0;
    std::string object;
    std::string event;
    std::string member;
    std::string kind;
    std::string args;
};

// False unless the line has exactly six fields and a numeric seq.
bool ParseJournalLine(std::string_view line, JournalEntry& entry);
// Every well-formed line of a journal file's text (LF or CR LF ends; a torn last line is skipped).
std::vector<JournalEntry> ParseJournal(std::string_view text);

} // namespace standin
