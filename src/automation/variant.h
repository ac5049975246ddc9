#pragma once
// The tagged value in which every host argument, result and object reference travels. Kind codes are
// those of the COM VARIANT, except text, which is the program's own 8-bit ANSI text until a call
// converts it.
#include <cstdint>
#include <string>

#include "automation/automation_object.h"

namespace automation {

enum VariantType : uint16_t {
    kVtEmpty = 0,
    kVtI4 = 3,
    kVtBstr = 8,
    kVtDispatch = 9,
    kVtBool = 11,
    kVtText = 0x100, // program-side text; sent as a BSTR
    kVtByRef = 0x4000,
    kVtI4Ref = kVtByRef | kVtI4,
    kVtDispatchRef = kVtByRef | kVtDispatch,
};

class Variant {
public:
    Variant() = default;
    Variant(bool value);
    Variant(int32_t value);
    Variant(const char* text);
    Variant(std::string text);
    // An integer reference: the integer is the caller's and must outlive the call.
    Variant(int32_t* ref);
    // An automation reference: holds a reference of its own on the object.
    explicit Variant(const ObjectPtr& object);
    // A reference to a variable holding an object (0x4009); owns nothing.
    explicit Variant(AutomationObject** ref);
    // A value of a kind the program does not use (a host result); only the kind is kept.
    static Variant OfOtherKind(uint16_t type);

    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    // Clears the target first (giving back what it held), then copies the source.
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    void Clear();

    uint16_t Type() const { return type_; }
    bool IsEmpty() const { return type_ == kVtEmpty; }
    int16_t BoolValue() const { return u_.boolValue; }
    int32_t IntValue() const { return u_.intValue; }
    int32_t* IntRef() const { return u_.intRef; }
    const std::string& Text() const { return text_; }
    // The object an automation reference (or a reference to one) points at, else null.
    AutomationObject* Object() const;

private:
    void CopyFrom(const Variant& other);
    void MoveFrom(Variant& other) noexcept;

    uint16_t type_ = kVtEmpty;
    union {
        int16_t boolValue;
        int32_t intValue;
        int32_t* intRef;
        AutomationObject* object;
        AutomationObject** objectRef;
    } u_{};
    std::string text_;
};

} // namespace automation
