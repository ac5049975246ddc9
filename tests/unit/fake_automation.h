#pragma once
// A recording stand-in for an automation object and a factory that hands it out, for unit tests of the
// link and of everything that calls the host through it.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "automation/automation.h"
#include "automation/object_factory.h"
#include "automation/status_codes.h"

namespace fakes {

// One call as the object saw it, with the arguments back in the caller's order.
struct RecordedCall {
    std::string object;
    std::string member;
    uint16_t kind = 0;
    std::vector<automation::WireArg> args; // the caller's order
    std::vector<automation::WireArg> wire; // as they arrived: the last argument first
};

// Shared by every fake object of a test, so the order of calls across objects is kept.
struct CallLog {
    std::vector<RecordedCall> calls;
    std::vector<std::string> lookups; // every GetIdOfName, also refused ones
    // Calls and the caller's own events (status texts, pauses) in the order they happened, as
    // "app.OpenDocSilent(8:c:\\a.sldprt,3:1,16387)" or whatever the caller appends.
    std::vector<std::string> timeline;

    std::vector<std::string> Members() const {
        std::vector<std::string> names;
        for (const auto& c : calls)
            names.push_back(c.object + "." + c.member);
        return names;
    }
};

class FakeObject : public automation::AutomationObject {
public:
    using Behaviour = std::function<int32_t(RecordedCall&, automation::Variant&, automation::ErrorRecord&)>;

    FakeObject(std::string name, std::shared_ptr<CallLog> log) : name_(std::move(name)), log_(std::move(log)) {}

    void AddRef() override { ++refs_; }
    void Release() override { --refs_; }

    int32_t GetIdOfName(const std::string& name, int32_t& dispId) override {
        log_->lookups.push_back(name);
        if (unknown_.count(name))
            return automation::kDispEUnknownName;
        if (lookupStatus_ != 0)
            return lookupStatus_;
        auto it = ids_.find(name);
        if (it == ids_.end())
            it = ids_.emplace(name, static_cast<int32_t>(ids_.size() + 1)).first;
        dispId = it->second;
        return automation::kSOk;
    }

    int32_t Invoke(int32_t dispId, uint16_t flags, std::vector<automation::WireArg>& args, automation::Variant& result,
                   automation::ErrorRecord& error) override {
        RecordedCall call{name_, NameOf(dispId), flags, {args.rbegin(), args.rend()}, args};
        int32_t status = automation::kSOk;
        auto it = behaviours_.find(call.member);
        if (it != behaviours_.end())
            status = it->second(call, result, error);
        log_->timeline.push_back(Describe(call));
        log_->calls.push_back(std::move(call));
        return status;
    }
    const void* Identity() override { return this; }

    // Scripting.
    void Refuse(const std::string& member) { unknown_.insert(member); }
    void FailLookups(int32_t status) { lookupStatus_ = status; }
    // A null behaviour restores the default answer (success, empty result).
    void On(const std::string& member, Behaviour behaviour) {
        if (behaviour)
            behaviours_[member] = std::move(behaviour);
        else
            behaviours_.erase(member);
    }
    void Fail(const std::string& member, int32_t status) {
        On(member, [status](RecordedCall&, automation::Variant&, automation::ErrorRecord&) { return status; });
    }
    void Raise(const std::string& member, int32_t scode, std::string description) {
        On(member, [=](RecordedCall&, automation::Variant&, automation::ErrorRecord& e) {
            e.scode = scode;
            e.description = description;
            e.source = "Fake host";
            return automation::kDispEException;
        });
    }
    void Return(const std::string& member, automation::Variant value) {
        On(member, [value](RecordedCall&, automation::Variant& r, automation::ErrorRecord&) {
            r = value;
            return automation::kSOk;
        });
    }

    int Refs() const { return refs_; }
    const std::string& Name() const { return name_; }

    static std::string Describe(const RecordedCall& call) {
        std::string text = call.object + "." + call.member + "(";
        for (size_t i = 0; i < call.args.size(); ++i) {
            const auto& a = call.args[i];
            text += (i ? "," : "") + std::to_string(a.type);
            if (a.type == automation::kVtBstr)
                text += ":" + a.text;
            else if (a.type == automation::kVtI4)
                text += ":" + std::to_string(a.intValue);
            else if (a.type == automation::kVtBool)
                text += ":" + std::to_string(a.boolValue);
        }
        return text + ")";
    }

private:
    std::string NameOf(int32_t dispId) const {
        for (const auto& [name, id] : ids_)
            if (id == dispId)
                return name;
        return "?";
    }

    std::string name_;
    std::shared_ptr<CallLog> log_;
    std::map<std::string, int32_t> ids_;
    std::set<std::string> unknown_;
    std::map<std::string, Behaviour> behaviours_;
    int32_t lookupStatus_ = 0;
    int refs_ = 0; // the test's own references are not counted: only what the code under test adds
};

// Hands out the given objects in turn, recording what it was asked; status messages come from a table.
class FakeFactory : public automation::ObjectFactory {
public:
    int32_t ClassIdFromProgId(const std::string& progId, automation::Guid& classId) override {
        progIds.push_back(progId);
        if (resolveStatus != 0)
            return resolveStatus;
        classId = automation::Guid{1, 2, 3};
        return automation::kSOk;
    }
    int32_t CreateInstance(const automation::Guid& classId, uint32_t context, const automation::Guid& iid,
                           automation::ObjectPtr& object) override {
        contexts.push_back(context);
        interfaceIds.push_back(iid);
        (void)classId;
        if (createStatus != 0)
            return createStatus;
        if (next >= objects.size())
            return automation::kEFail;
        object = automation::ObjectPtr::Share(objects[next++]);
        return automation::kSOk;
    }
    std::string StatusMessage(int32_t status) override {
        auto it = messages.find(status);
        return it == messages.end() ? std::string() : it->second;
    }

    std::vector<FakeObject*> objects;
    size_t next = 0;
    int32_t resolveStatus = 0;
    int32_t createStatus = 0;
    std::vector<std::string> progIds;
    std::vector<uint32_t> contexts;
    std::vector<automation::Guid> interfaceIds;
    std::map<int32_t, std::string> messages;
};

// Installs a factory for one test and restores the default afterwards.
class ScopedPlatform {
public:
    explicit ScopedPlatform(automation::ObjectFactory* factory) { automation::InstallObjectFactory(factory); }
    ~ScopedPlatform() { automation::InstallObjectFactory(nullptr); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;
};

} // namespace fakes
