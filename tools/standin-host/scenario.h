#pragma once
// The scenario a test hands the stand-in host: a small line-based file next to the exe, read once at
// server start. COM starts the server with nothing but -Embedding, and the program under test reads
// no environment, so this file is the only channel from a test to the server.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/host_members.h"

namespace standin {

// What the Nth call of a member does instead of its normal work.
enum class FaultKind { Fail, Raise, Die, ActivateEmpty, ActivateNull };

struct Fault {
    const automation::Member* member = nullptr;
    uint32_t nth = 0; // 1-based, counted per member over the whole process
    FaultKind kind = FaultKind::Fail;
    int32_t status = 0;      // Fail: what Invoke returns; Raise: the EXCEPINFO scode
    std::string description; // Raise: UTF-8, with \r and \n already turned into CR and LF
};

struct Delay {
    const automation::Member* member = nullptr;
    uint32_t milliseconds = 0;
};

struct ScenarioWindow {
    std::string title; // UTF-8
    bool visible = true;
};

// A line the parser did not understand; it is ignored, and the server journals it.
struct ScenarioError {
    size_t line = 0; // 1-based
    std::string reason;
};

constexpr int32_t kDefaultOpenError = 7;
constexpr uint32_t kDefaultExitWaitMilliseconds = 10000;

struct Scenario {
    std::string journalPath;                        // UTF-8 Windows path; empty means the default next to the exe
    std::vector<Fault> faults;                      // in file order; the first line that matches a call wins
    std::vector<const automation::Member*> refused; // names GetIDsOfNames answers DISP_E_UNKNOWNNAME for
    std::vector<Delay> delays;                      // a later line for the same member replaces an earlier one
    int32_t openError = kDefaultOpenError;
    uint32_t exitWaitMilliseconds = kDefaultExitWaitMilliseconds;
    std::vector<ScenarioWindow> windows;
    bool oneApplication = false; // every CreateInstance hands out the one live application object
    std::vector<ScenarioError> errors;
};

Scenario ParseScenario(std::string_view text);

// The host member with exactly that name (case matters), else null.
const automation::Member* FindMember(std::string_view name);

// Turns \r and \n into CR and LF and \\ into one backslash; any other backslash stays as it is.
std::string ExpandEscapes(std::string_view text);

} // namespace standin
