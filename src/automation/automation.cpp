#include "automation/automation.h"

#include <array>
#include <cstdio>
#include <vector>

#include "automation/object_factory.h"
#include "automation/status_codes.h"

namespace automation {

const char kNotAnAutomationObject[] = "Variant does not reference an automation object";

namespace {

constexpr size_t kMaxArguments = 10;

class UnresolvedFactory : public ObjectFactory {
public:
    int32_t ClassIdFromProgId(const std::string&, Guid&) override { return kCoEClassString; }
    int32_t CreateInstance(const Guid&, uint32_t, const Guid&, ObjectPtr&) override { return kCoEClassString; }
    std::string StatusMessage(int32_t) override { return {}; }
};

UnresolvedFactory gUnresolved;
ObjectFactory* gFactory = nullptr;

// The arguments a call passes: those given, in order, up to the first empty one; an empty argument ends
// the list, so nothing after it is passed.
std::vector<const Variant*> ArgumentList(const std::array<const Variant*, kMaxArguments>& places) {
    std::vector<const Variant*> list;
    for (const Variant* place : places) {
        if (place->IsEmpty())
            break;
        list.push_back(place);
    }
    return list;
}

WireArg ToWire(const Variant& arg) {
    WireArg wire;
    switch (arg.Type()) {
    case kVtBool:
        wire.type = kVtBool;
        wire.boolValue = arg.BoolValue();
        break;
    case kVtI4:
        wire.type = kVtI4;
        wire.intValue = arg.IntValue();
        break;
    case kVtI4Ref:
        wire.type = kVtI4Ref;
        wire.intRef = arg.IntRef();
        break;
    case kVtDispatch:
        wire.type = kVtDispatch;
        wire.object = arg.Object();
        break;
    case kVtText:
        wire.type = kVtBstr;
        wire.text = arg.Text();
        break;
    default:
        // Only host results come in other kinds, and the program never passes one back.
        throw MakeOleSysError(kDispEBadVarType);
    }
    return wire;
}

// IDispatch::Invoke reads its arguments in reverse (rgvarg[0] is the last one), so the block holds them
// last first.
std::vector<WireArg> ParameterBlock(const std::vector<const Variant*>& list) {
    std::vector<WireArg> block;
    block.reserve(list.size());
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        block.push_back(ToWire(**it));
    return block;
}

int32_t LookUpMember(AutomationObject& object, const std::string& name) {
    int32_t dispId = -1;
    const int32_t status = object.GetIdOfName(name, dispId);
    if (status == kDispEUnknownName)
        throw EOleError("Method '" + name + "' not supported by automation object");
    if (status < 0)
        throw MakeOleSysError(status);
    return dispId;
}

} // namespace

ObjectFactory& CurrentObjectFactory() {
    return gFactory ? *gFactory : gUnresolved;
}

void InstallObjectFactory(ObjectFactory* factory) {
    gFactory = factory;
}

std::string TrimOleText(std::string text) {
    while (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last > 32 && last != '.')
            break;
        text.pop_back();
    }
    return text;
}

std::string OleStatusMessage(int32_t status) {
    std::string message = TrimOleText(CurrentObjectFactory().StatusMessage(status));
    if (message.empty()) {
        char fallback[32];
        std::snprintf(fallback, sizeof fallback, "OLE error %.8X", static_cast<unsigned>(status));
        message = fallback;
    }
    return message;
}

EOleSysError MakeOleSysError(int32_t status) {
    return EOleSysError(OleStatusMessage(status), status);
}

EOleException MakeOleException(const ErrorRecord& record) {
    std::string message = TrimOleText(record.description);
    if (message.empty())
        message = OleStatusMessage(record.scode);
    return EOleException(std::move(message), record.scode, record.source, record.helpFile, record.helpContext);
}

ObjectPtr CreateAutomationObject(const std::string& progId) {
    ObjectFactory& factory = CurrentObjectFactory();
    Guid classId{};
    int32_t status = factory.ClassIdFromProgId(progId, classId);
    if (status < 0)
        throw MakeOleSysError(status);
    ObjectPtr object;
    status = factory.CreateInstance(classId, kCreateContext, kIidIDispatch, object);
    if (status < 0)
        throw MakeOleSysError(status);
    return object;
}

Variant CallAutomationMethod(const Variant& target, const std::string& name, const Variant& a1, const Variant& a2,
                             const Variant& a3, const Variant& a4, const Variant& a5, const Variant& a6,
                             const Variant& a7, const Variant& a8, const Variant& a9, const Variant& a10) {
    const auto list = ArgumentList({&a1, &a2, &a3, &a4, &a5, &a6, &a7, &a8, &a9, &a10});

    // A null reference counts as no object: nothing would answer the call.
    AutomationObject* object = target.Object();
    if (!object)
        throw EOleError(kNotAnAutomationObject);

    const int32_t dispId = LookUpMember(*object, name);
    std::vector<WireArg> block = ParameterBlock(list);
    const uint16_t kind = block.empty() ? kDispatchMethod | kDispatchPropertyGet : kDispatchMethod;

    Variant result;
    ErrorRecord record;
    const int32_t status = object->Invoke(dispId, kind, block, result, record);
    if (status == kDispEException)
        throw MakeOleException(record);
    if (status != kSOk)
        throw MakeOleSysError(status);
    return result;
}

bool SameObject(const Variant& a, const Variant& b) {
    AutomationObject* first = a.Object();
    AutomationObject* second = b.Object();
    if (!first || !second)
        return false;
    const void* identity = first->Identity();
    return identity && identity == second->Identity();
}

std::string OleFailureStatusText(std::exception_ptr failure) {
    const std::string prefix = "OLE Error:  ";
    try {
        std::rethrow_exception(failure);
    } catch (const EOleException& e) {
        return prefix + e.Message + "(" + std::to_string(e.ErrorCode) + ")";
    } catch (const EOleSysError& e) {
        return prefix + e.Message + "(" + std::to_string(e.ErrorCode) + ")";
    } catch (const EOleError& e) {
        return prefix + e.Message;
    } catch (...) {
        return prefix + "unknown error";
    }
}

} // namespace automation
