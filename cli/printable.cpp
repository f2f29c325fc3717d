// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/printable.h"

#include <cstdint>
#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at the start of text, 0 when there is none.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length;
    std::uint32_t lowest;  // the smallest code point of that length, to refuse overlong forms
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    std::uint32_t codePoint = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || codePoint > 0x10FFFF || surrogate) return 0;
    return length;
}

bool isControl(std::string_view sequence) {
    const auto lead = static_cast<std::uint8_t>(sequence[0]);
    if (sequence.size() == 1) return lead < 0x20 || lead == 0x7F;
    return lead == 0xC2 && static_cast<std::uint8_t>(sequence[1]) < 0xA0;  // U+0080..U+009F
}

}  // namespace

std::string printable(std::string_view text, std::size_t maxCharacters) {
    std::string out;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == maxCharacters) return out + "…";
        const std::size_t length = sequenceLength(text);
        const std::string_view sequence = text.substr(0, length == 0 ? 1 : length);
        if (length == 0 || isControl(sequence)) {
            for (const char c : sequence) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<std::uint8_t>(c));
                out += escaped;
            }
        } else {
            out += sequence;
        }
        text.remove_prefix(sequence.size());
    }
    return out;
}
