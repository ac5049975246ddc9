#pragma once
// What one Invoke on the stand-in host does, decided from the scenario and the call counts, before
// the COM adapter touches any VARIANT.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "automation/host_members.h"
#include "automation/status_codes.h"
#include "scenario.h"

namespace standin {

constexpr int32_t kDispEMemberNotFound = automation::Hr(0x80020003);
constexpr int32_t kDispENoNamedArgs = automation::Hr(0x80020007);
constexpr int32_t kDispEBadParamCount = automation::Hr(0x8002000E);

enum class CallAction {
    Perform,      // the member's normal work (ActivateDoc returns a new document, ExitApp asks to end)
    ReturnStatus, // return status from Invoke and do nothing else
    Raise,        // DISP_E_EXCEPTION with scode = status and the description
    Die,          // the process ends inside the call
    ReturnEmpty,  // ActivateDoc answers VT_EMPTY
    ReturnNull,   // ActivateDoc answers VT_DISPATCH with a null pointer
};

struct CallPlan {
    uint32_t nth = 0;               // which call of this member this is, from 1
    uint32_t delayMilliseconds = 0; // slept before anything else
    CallAction action = CallAction::Perform;
    int32_t status = 0;
    std::string description;
    // OpenDocSilent writes its open-error slot on every call that reaches the member, also when the
    // scenario fails it, so a test can see the caller keep what the host wrote before failing.
    bool writeOpenError = false;
};

class CallPlanner {
public:
    explicit CallPlanner(const Scenario& scenario) : scenario_(scenario) {}

    // Counts the call (per member, over the process) and decides it. A call the member cannot take
    // (another argument count than the program sends, named arguments, no DISPATCH_METHOD in flags)
    // is refused with the status a type-library server gives; only die comes before that check.
    CallPlan Plan(const automation::Member& member, size_t argCount, size_t namedArgCount, uint16_t flags);

    bool Refuses(const automation::Member& member) const;
    int32_t OpenError() const { return scenario_.openError; }

private:
    uint32_t DelayFor(const automation::Member& member) const;
    const Fault* FaultFor(const automation::Member& member, uint32_t nth) const;

    const Scenario& scenario_;
    uint32_t counts_[std::size(automation::kAllMembers)] = {};
};

// The member with that name on that object, else null: a name on the wrong object is unknown there.
const automation::Member* FindMemberOn(std::string_view name, automation::Target target);

// DISPIDs are the member's place in automation::kAllMembers, from 1.
int32_t DispIdOf(const automation::Member& member);
const automation::Member* MemberOfDispId(int32_t dispId);

} // namespace standin
