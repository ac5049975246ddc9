#include "support/win/printers.h"

#include <windows.h>
#include <winspool.h>

namespace support::win {

std::vector<std::wstring> InstalledPrinters() {
    constexpr DWORD kWhich = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(kWhich, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> records(needed);
    if (needed == 0 || !EnumPrintersW(kWhich, nullptr, 4, records.data(), needed, &needed, &count))
        return {};
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(records.data());
    std::vector<std::wstring> names;
    for (DWORD i = 0; i < count; ++i)
        names.push_back(info[i].pPrinterName);
    return names;
}

} // namespace support::win
