// Calls per second through CallAutomationMethod against the stand-in host out of process, beside a raw
// loop of GetIDsOfNames + Invoke doing the same work (the two exchanges every call makes by design).
// Run under Wine with the stand-in registered: automation_bench.exe [calls]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "automation/automation.h"
#include "automation/host_members.h"
#include "automation/win/com_object.h"
#include "automation/win/com_platform.h"
#include "base/win/owners.h"

using namespace automation;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

double LinkCallsPerSecond(const Variant& host, int calls) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i)
        CallAutomationMethod(host, automation::kVisible.name, false);
    return calls / Seconds(start);
}

double RawCallsPerSecond(IDispatch* dispatch, int calls) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) {
        LPOLESTR name = const_cast<LPOLESTR>(L"Visible");
        DISPID id = 0;
        if (FAILED(dispatch->GetIDsOfNames(IID_NULL, &name, 1, GetThreadLocale(), &id)))
            std::abort();
        VARIANTARG arg;
        VariantInit(&arg);
        V_VT(&arg) = VT_BOOL;
        V_BOOL(&arg) = VARIANT_FALSE;
        DISPPARAMS params{&arg, nullptr, 1, 0};
        VARIANT result;
        VariantInit(&result);
        EXCEPINFO excep{};
        if (dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, &excep, nullptr) != S_OK)
            std::abort();
        VariantClear(&result);
    }
    return calls / Seconds(start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int calls = argc > 1 ? std::atoi(argv[1]) : 4000;
    base::win::ComApartment com;
    win::InstallComPlatform();
    try {
        Variant host(CreateAutomationObject(automation::kProgId));
        auto* dispatch = static_cast<win::ComDispatchObject*>(host.Object())->Dispatch();
        LinkCallsPerSecond(host, 200); // warm up both paths
        RawCallsPerSecond(dispatch, 200);
        // Many short rounds, alternating which path goes first, so a drift in the machine's load hits both
        // alike; the medians are reported.
        constexpr int kRounds = 10;
        const int perRound = calls / kRounds;
        std::vector<double> link, raw;
        for (int round = 0; round < kRounds; ++round) {
            if (round % 2 == 0) {
                link.push_back(LinkCallsPerSecond(host, perRound));
                raw.push_back(RawCallsPerSecond(dispatch, perRound));
            } else {
                raw.push_back(RawCallsPerSecond(dispatch, perRound));
                link.push_back(LinkCallsPerSecond(host, perRound));
            }
        }
        const double linkRate = Median(link), rawRate = Median(raw);
        std::printf("calls: %d per path, %d rounds, medians\n", perRound * kRounds, kRounds);
        std::printf("CallAutomationMethod:      %8.1f calls/s\n", linkRate);
        std::printf("raw GetIDsOfNames+Invoke:  %8.1f calls/s\n", rawRate);
        std::printf("link overhead:             %8.1f %%\n", (rawRate / linkRate - 1.0) * 100.0);
        CallAutomationMethod(host, automation::kExitApp.name);
    } catch (const base::Exception& e) {
        std::printf("failed: %s\n", e.Message.c_str());
        return 1;
    }
    return 0;
}
