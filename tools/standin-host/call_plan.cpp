#include "call_plan.h"

#include <algorithm>

namespace standin {

namespace {

size_t IndexOf(const automation::Member& member) {
    const auto* begin = std::begin(automation::kAllMembers);
    return static_cast<size_t>(std::find(begin, std::end(automation::kAllMembers), &member) - begin);
}

int32_t CheckCallShape(const automation::Member& member, size_t argCount, size_t namedArgCount, uint16_t flags) {
    if ((flags & automation::kDispatchMethod) == 0)
        return kDispEMemberNotFound;
    if (namedArgCount != 0)
        return kDispENoNamedArgs;
    if (argCount != member.argCount)
        return kDispEBadParamCount;
    return automation::kSOk;
}

} // namespace

CallPlan CallPlanner::Plan(const automation::Member& member, size_t argCount, size_t namedArgCount, uint16_t flags) {
    CallPlan plan;
    plan.nth = ++counts_[IndexOf(member)];
    plan.delayMilliseconds = DelayFor(member);
    const Fault* fault = FaultFor(member, plan.nth);
    if (fault && fault->kind == FaultKind::Die) {
        plan.action = CallAction::Die;
        return plan;
    }
    if (int32_t refusal = CheckCallShape(member, argCount, namedArgCount, flags); refusal != automation::kSOk) {
        plan.action = CallAction::ReturnStatus;
        plan.status = refusal;
        return plan;
    }
    plan.writeOpenError = &member == &automation::kOpenDocSilent;
    if (!fault)
        return plan;
    switch (fault->kind) {
    case FaultKind::Fail:
        plan.action = CallAction::ReturnStatus;
        break;
    case FaultKind::Raise:
        plan.action = CallAction::Raise;
        break;
    case FaultKind::ActivateEmpty:
        plan.action = CallAction::ReturnEmpty;
        break;
    case FaultKind::ActivateNull:
        plan.action = CallAction::ReturnNull;
        break;
    case FaultKind::Die:
        break;
    }
    plan.status = fault->status;
    plan.description = fault->description;
    return plan;
}

bool CallPlanner::Refuses(const automation::Member& member) const {
    const auto& refused = scenario_.refused;
    return std::find(refused.begin(), refused.end(), &member) != refused.end();
}

uint32_t CallPlanner::DelayFor(const automation::Member& member) const {
    for (const Delay& delay : scenario_.delays) {
        if (delay.member == &member)
            return delay.milliseconds;
    }
    return 0;
}

const Fault* CallPlanner::FaultFor(const automation::Member& member, uint32_t nth) const {
    for (const Fault& fault : scenario_.faults) {
        if (fault.member == &member && fault.nth == nth)
            return &fault;
    }
    return nullptr;
}

const automation::Member* FindMemberOn(std::string_view name, automation::Target target) {
    const automation::Member* member = FindMember(name);
    return member && member->target == target ? member : nullptr;
}

int32_t DispIdOf(const automation::Member& member) {
    return static_cast<int32_t>(IndexOf(member) + 1);
}

const automation::Member* MemberOfDispId(int32_t dispId) {
    if (dispId < 1 || static_cast<size_t>(dispId) > std::size(automation::kAllMembers))
        return nullptr;
    return automation::kAllMembers[dispId - 1];
}

} // namespace standin
