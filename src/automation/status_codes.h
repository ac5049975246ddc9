#pragma once
// Status codes (HRESULTs) the automation link names. Kept here so the portable core needs no <windows.h>.
#include <cstdint>

namespace automation {

constexpr int32_t Hr(uint32_t value) {
    return static_cast<int32_t>(value);
}

constexpr int32_t kSOk = 0;
constexpr int32_t kEFail = Hr(0x80004005);
constexpr int32_t kDispEUnknownName = Hr(0x80020006);
constexpr int32_t kDispEBadVarType = Hr(0x80020008);
constexpr int32_t kDispEException = Hr(0x80020009);
constexpr int32_t kCoEClassString = Hr(0x800401F3);
constexpr int32_t kCoEObjNotConnected = Hr(0x800401FD);
constexpr int32_t kRpcEDisconnected = Hr(0x80010108);
constexpr int32_t kRpcEServerUnavailable = Hr(0x800706BA);
constexpr int32_t kRpcECallFailed = Hr(0x800706BE);

// Invoke kinds.
constexpr uint16_t kDispatchMethod = 1;
constexpr uint16_t kDispatchPropertyGet = 2;

// CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER: an out-of-process server is started when it is not running.
constexpr uint32_t kCreateContext = 5;

} // namespace automation
