#include "automation/variant.h"

#include <utility>

namespace automation {

Variant::Variant(bool value) : type_(kVtBool) {
    u_.boolValue = value ? -1 : 0;
}

Variant::Variant(int32_t value) : type_(kVtI4) {
    u_.intValue = value;
}

Variant::Variant(const char* text) : type_(kVtText), text_(text ? text : "") {}

Variant::Variant(std::string text) : type_(kVtText), text_(std::move(text)) {}

Variant::Variant(int32_t* ref) : type_(kVtI4Ref) {
    u_.intRef = ref;
}

Variant::Variant(const ObjectPtr& object) : type_(kVtDispatch) {
    u_.object = object.Get();
    if (u_.object)
        u_.object->AddRef();
}

Variant::Variant(AutomationObject** ref) : type_(kVtDispatchRef) {
    u_.objectRef = ref;
}

Variant Variant::OfOtherKind(uint16_t type) {
    Variant v;
    v.type_ = type;
    return v;
}

Variant::Variant(const Variant& other) {
    CopyFrom(other);
}

Variant::Variant(Variant&& other) noexcept {
    MoveFrom(other);
}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        Clear();
        CopyFrom(other);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        Clear();
        MoveFrom(other);
    }
    return *this;
}

Variant::~Variant() {
    Clear();
}

void Variant::Clear() {
    if (type_ == kVtDispatch && u_.object)
        u_.object->Release();
    type_ = kVtEmpty;
    u_.intRef = nullptr;
    text_.clear();
}

AutomationObject* Variant::Object() const {
    if (type_ == kVtDispatch)
        return u_.object;
    if (type_ == kVtDispatchRef && u_.objectRef)
        return *u_.objectRef;
    return nullptr;
}

void Variant::CopyFrom(const Variant& other) {
    type_ = other.type_;
    u_ = other.u_;
    text_ = other.text_;
    if (type_ == kVtDispatch && u_.object)
        u_.object->AddRef();
}

void Variant::MoveFrom(Variant& other) noexcept {
    type_ = std::exchange(other.type_, kVtEmpty);
    u_ = other.u_;
    other.u_.intRef = nullptr;
    text_ = std::move(other.text_);
    other.text_.clear();
}

} // namespace automation
