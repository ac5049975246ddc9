#include "automation/system_text.h"

namespace automation {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned ones (they map to themselves).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t ToWide(unsigned char c) {
    if (c >= 0x80 && c < 0xA0 && kCp1252High[c - 0x80] != 0)
        return kCp1252High[c - 0x80];
    return c;
}

unsigned char ToLower(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: // S caron
    case 0x8C: // OE
    case 0x8E: // Z caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Y diaeresis
        return 0xFF;
    default:
        return c;
    }
}

const PortableSystemText kPortable;
const SystemText* gInstalled = nullptr;

} // namespace

std::u16string PortableSystemText::AnsiToWide(std::string_view text) const {
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text)
        wide.push_back(ToWide(static_cast<unsigned char>(c)));
    return wide;
}

std::string PortableSystemText::WideToAnsi(std::u16string_view text) const {
    std::string ansi;
    ansi.reserve(text.size());
    for (char16_t w : text) {
        char byte = '?';
        if (w < 0x100 && (w < 0x80 || w >= 0xA0 || kCp1252High[w - 0x80] == 0)) {
            byte = static_cast<char>(w);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (kCp1252High[i] == w)
                    byte = static_cast<char>(0x80 + i);
            }
        }
        ansi.push_back(byte);
    }
    return ansi;
}

std::string PortableSystemText::AnsiLower(std::string_view text) const {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(ToLower(static_cast<unsigned char>(c)));
    return lower;
}

std::string PortableSystemText::StatusMessage(int32_t) const {
    return {};
}

uint32_t PortableSystemText::ThreadLocale() const {
    return 0x0409;
}

const SystemText& CurrentSystemText() {
    return gInstalled ? *gInstalled : kPortable;
}

void InstallSystemText(const SystemText* text) {
    gInstalled = text;
}

} // namespace automation
