#include "lib/codePage.h"

#include <algorithm>
#include <array>

namespace {

// Unicode of the bytes 0x80 .. 0x9F; the undefined ones map to the C1 control of their number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t unicodeOf(std::uint8_t byte) {
    return (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t{byte};
}

void appendUtf8(std::string& out, char16_t unit) {
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

bool isSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

char ansiOf(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    const auto* found = std::ranges::find(kHighControls, unit);
    if (found == kHighControls.end()) return '?';
    return static_cast<char>(0x80 + (found - kHighControls.begin()));
}

}  // namespace

bool isPlainAscii(std::string_view text) {
    return std::ranges::none_of(text, [](char c) { return static_cast<std::uint8_t>(c) >= 0x80; });
}

std::string ansiToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) appendUtf8(out, unicodeOf(static_cast<std::uint8_t>(c)));
    return out;
}

std::u16string utf8ToUtf16(std::span<const std::uint8_t> bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::uint8_t lead = bytes[i++];
        if (lead < 0x80) {
            out += char16_t{lead};
            continue;
        }
        const std::size_t followers = (lead & 0x20) != 0 ? 2 : 1;
        if (bytes.size() - i < followers) return {};
        std::uint32_t unit = lead & (followers == 2 ? 0x0F : 0x1F);
        for (std::size_t k = 0; k < followers; ++k, ++i) {
            if ((bytes[i] & 0xC0) != 0x80) return {};
            unit = (unit << 6) | (bytes[i] & 0x3Fu);
        }
        out += static_cast<char16_t>(unit);
    }
    return out;
}

std::string utf16ToAnsi(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isSurrogate(unit)) {
            const bool pair = unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                              text[i + 1] <= 0xDFFF;
            if (pair) ++i;
            out += '?';
        } else {
            out += ansiOf(unit);
        }
    }
    return out;
}
