#pragma once
#include <windows.h>

#include "automation/automation_object.h"

namespace automation::win {

// The object seam over an IDispatch. Each reference to this object is one reference on the IDispatch,
// so the server sees every AddRef and Release the program makes.
class ComDispatchObject final : public AutomationObject {
public:
    // Takes over one reference the caller holds on dispatch.
    explicit ComDispatchObject(IDispatch* dispatch) : dispatch_(dispatch) {}
    ComDispatchObject(const ComDispatchObject&) = delete;
    ComDispatchObject& operator=(const ComDispatchObject&) = delete;

    void AddRef() override;
    void Release() override;
    int32_t GetIdOfName(const std::string& name, int32_t& dispId) override;
    int32_t Invoke(int32_t dispId, uint16_t flags, std::vector<WireArg>& args, Variant& result,
                   ErrorRecord& error) override;
    const void* Identity() override;

    IDispatch* Dispatch() const { return dispatch_; }

private:
    ~ComDispatchObject() = default;

    IDispatch* dispatch_;
    ULONG refs_ = 1;
};

} // namespace automation::win
