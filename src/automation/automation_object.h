#pragma once
// The object seam: what the automation link needs from an object that answers named calls.
// The COM adapter wraps an IDispatch; unit tests use a recording fake.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace automation {

class AutomationObject;
class Variant;

// One argument as it goes to the object: the VARIANT kinds the link sends. Text is the program's ANSI
// text; the COM adapter converts it to the BSTR that goes out.
struct WireArg {
    uint16_t type = 0;
    int16_t boolValue = 0;
    int32_t intValue = 0;
    int32_t* intRef = nullptr;
    AutomationObject* object = nullptr;
    std::string text;
};

// What the object reports with DISP_E_EXCEPTION (the EXCEPINFO record, copied out as ANSI text and freed by
// the adapter).
struct ErrorRecord {
    int32_t scode = 0;
    int32_t helpContext = 0;
    std::string source;
    std::string description;
    std::string helpFile;
};

class AutomationObject {
public:
    virtual void AddRef() = 0;
    virtual void Release() = 0;
    // IDispatch::GetIDsOfNames for one name, in the thread's locale.
    virtual int32_t GetIdOfName(const std::string& name, int32_t& dispId) = 0;
    // IDispatch::Invoke, with locale 0. args are in COM order: the caller's last argument first.
    virtual int32_t Invoke(int32_t dispId, uint16_t flags, std::vector<WireArg>& args, Variant& result,
                           ErrorRecord& error) = 0;
    // The object's COM identity, its IUnknown: two references lead to one object exactly when their
    // identities are equal. Null when the object gives none. Costs the host no call by name.
    virtual const void* Identity() = 0;

protected:
    ~AutomationObject() = default;
};

// Owns one reference to an object, like ATL's CComPtr: copying adds a reference, moving takes it.
class ObjectPtr {
public:
    ObjectPtr() = default;
    // Takes over a reference the caller already holds.
    static ObjectPtr Adopt(AutomationObject* object) {
        ObjectPtr p;
        p.object_ = object;
        return p;
    }
    // Adds a reference of its own.
    static ObjectPtr Share(AutomationObject* object) {
        if (object)
            object->AddRef();
        return Adopt(object);
    }
    ObjectPtr(const ObjectPtr& other) : object_(other.object_) {
        if (object_)
            object_->AddRef();
    }
    ObjectPtr(ObjectPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ObjectPtr& operator=(ObjectPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ObjectPtr() { Reset(); }

    void Reset() {
        if (auto* old = std::exchange(object_, nullptr))
            old->Release();
    }
    AutomationObject* Get() const { return object_; }
    AutomationObject* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    AutomationObject* object_ = nullptr;
};

} // namespace automation
