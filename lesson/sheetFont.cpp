// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/sheetFont.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Advances in thousandths of an em of the printable ASCII characters 0x20 .. 0x7E, each the
// larger of DejaVu Sans and Liberation Sans (regular, then bold), rounded up.
constexpr std::array<std::uint16_t, 95> kRegular = {
    318, 401, 460, 838, 637, 951, 780, 275, 391, 391, 500, 838, 318, 361,  318, 337, 637, 637, 637,
    637, 637, 637, 637, 637, 637, 637, 337, 337, 838, 838, 838, 557, 1016, 685, 687, 723, 771, 667,
    611, 778, 752, 295, 500, 667, 558, 863, 749, 788, 667, 788, 723, 667,  611, 732, 685, 989, 686,
    667, 686, 391, 337, 391, 838, 557, 500, 613, 635, 550, 635, 616, 353,  635, 634, 278, 278, 580,
    278, 975, 634, 612, 635, 635, 412, 521, 393, 634, 592, 818, 592, 592,  525, 637, 337, 637, 838,
};
constexpr std::array<std::uint16_t, 95> kBold = {
    349,  457, 521, 838, 696, 1002, 873, 307,  458, 458, 523, 838, 380, 416,  380, 366,
    696,  696, 696, 696, 696, 696,  696, 696,  696, 696, 400, 400, 838, 838,  838, 611,
    1000, 774, 763, 734, 831, 684,  684, 821,  837, 373, 557, 775, 638, 996,  837, 851,
    733,  851, 771, 721, 683, 813,  774, 1104, 771, 725, 726, 458, 366, 458,  838, 557,
    500,  675, 716, 593, 716, 679,  436, 716,  712, 343, 343, 666, 343, 1042, 712, 688,
    716,  716, 494, 596, 479, 712,  652, 924,  646, 652, 583, 712, 366, 712,  838,
};

// The Windows-1252 letters and signs beyond ASCII that the sheets write, likewise.
struct TWideCharacter {
    unsigned char byte;
    std::uint16_t regular;
    std::uint16_t bold;
};
constexpr std::array<TWideCharacter, 10> kBeyondAscii = {{
    {0x85, 1000, 1000},  // …
    {0x96, 557, 557},    // –
    {0xB7, 334, 380},    // ·
    {0xC4, 685, 774},    // Ä
    {0xD6, 788, 851},    // Ö
    {0xDC, 732, 813},    // Ü
    {0xDF, 630, 720},    // ß
    {0xE4, 613, 675},    // ä
    {0xF6, 612, 688},    // ö
    {0xFC, 634, 712},    // ü
}};

// Any other byte: as wide as the widest character above.
constexpr std::int32_t kWidest = 1104;

std::int32_t advanceOf(unsigned char byte, bool bold) {
    if (byte >= 0x20 && byte <= 0x7E) return (bold ? kBold : kRegular)[byte - 0x20];
    const auto wide = std::find_if(kBeyondAscii.begin(), kBeyondAscii.end(),
                                   [byte](const TWideCharacter& c) { return c.byte == byte; });
    if (wide == kBeyondAscii.end()) return kWidest;
    return bold ? wide->bold : wide->regular;
}

}  // namespace

std::int32_t sheetTextAdvance(std::string_view text, bool bold) {
    std::int32_t sum = 0;
    for (const char c : text) sum += advanceOf(static_cast<unsigned char>(c), bold);
    return sum;
}
