#pragma once
// The system-text seam: ANSI code page conversions, ANSI lower case, status-code message texts and
// the thread locale. Windows answers through its own calls; elsewhere a Windows-1252 fallback answers.
#include <cstdint>
#include <string>
#include <string_view>

namespace automation {

class SystemText {
public:
    virtual ~SystemText() = default;
    virtual std::u16string AnsiToWide(std::string_view text) const = 0;
    virtual std::string WideToAnsi(std::u16string_view text) const = 0;
    virtual std::string AnsiLower(std::string_view text) const = 0;
    // The system's message for a status code (FormatMessageA, at most 256 characters), or empty.
    virtual std::string StatusMessage(int32_t status) const = 0;
    virtual uint32_t ThreadLocale() const = 0;
};

// Windows-1252 rules without any system table; no status has a message.
class PortableSystemText : public SystemText {
public:
    std::u16string AnsiToWide(std::string_view text) const override;
    std::string WideToAnsi(std::u16string_view text) const override;
    std::string AnsiLower(std::string_view text) const override;
    std::string StatusMessage(int32_t status) const override;
    uint32_t ThreadLocale() const override;
};

// The process-wide system text; the portable one until the program installs the platform's.
const SystemText& CurrentSystemText();
// Installs another (null restores the portable one). The caller keeps it alive while installed.
void InstallSystemText(const SystemText* text);

} // namespace automation
