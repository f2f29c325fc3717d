// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/codePage.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Unicode of the bytes 0x80 .. 0x9F; the undefined ones map to the C1 control of their number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t unicodeOf(std::uint8_t byte) {
    return (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t{byte};
}

constexpr std::array<TUtf8Form, 256> makeUtf8Forms() {
    std::array<TUtf8Form, 256> forms{};
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t unit = unicodeOf(static_cast<std::uint8_t>(byte));
        TUtf8Form& form = forms[static_cast<std::size_t>(byte)];
        if (unit < 0x80) {
            form = {1, {static_cast<std::uint8_t>(unit), 0, 0}};
        } else if (unit < 0x800) {
            form = {2,
                    {static_cast<std::uint8_t>(0xC0 | (unit >> 6)),
                     static_cast<std::uint8_t>(0x80 | (unit & 0x3F)), 0}};
        } else {
            form = {3,
                    {static_cast<std::uint8_t>(0xE0 | (unit >> 12)),
                     static_cast<std::uint8_t>(0x80 | ((unit >> 6) & 0x3F)),
                     static_cast<std::uint8_t>(0x80 | (unit & 0x3F))}};
        }
    }
    return forms;
}

constexpr std::array<TUtf8Form, 256> kUtf8Forms = makeUtf8Forms();

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char ansiOf(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    const auto found = std::ranges::find(kHighControls, unit);
    if (found == kHighControls.end()) return '?';
    return static_cast<char>(0x80 + (found - kHighControls.begin()));
}

// Writes the Windows-1252 form of one UTF-16 code unit to out and returns the position after
// it; the second half of a surrogate pair writes nothing, as the pair is one "?".
inline char* emitUnit(char* out, char16_t unit, bool& afterHighSurrogate) {
    const bool secondHalf = afterHighSurrogate && isLowSurrogate(unit);
    afterHighSurrogate = isHighSurrogate(unit) && !secondHalf;
    if (!secondHalf) *out++ = ansiOf(unit);
    return out;
}

#if defined(__SSE2__)
// Sixteen bytes that are eight two-byte sequences C2 A0 .. C3 BF (the characters A0 .. FF) as
// those eight characters in the low half of characters; false for any other bytes.
bool latin1Pairs(__m128i block, __m128i& characters) {
    // Each 16-bit lane holds lead | trail << 8.
    const auto lanes = [](int value) { return _mm_set1_epi16(static_cast<short>(value)); };
    const __m128i leadOk = _mm_cmpeq_epi16(_mm_and_si128(block, lanes(0x00FE)), lanes(0x00C2));
    const __m128i trailOk = _mm_cmpeq_epi16(_mm_and_si128(block, lanes(0xC000)), lanes(0x8000));
    // C2 80 .. C2 9F are the C1 controls, which take the slow way.
    const __m128i controlChar =
        _mm_cmpeq_epi16(_mm_and_si128(block, lanes(0x2001)), _mm_setzero_si128());
    const __m128i ok = _mm_andnot_si128(controlChar, _mm_and_si128(leadOk, trailOk));
    if (_mm_movemask_epi8(ok) != 0xFFFF) return false;
    const __m128i values = _mm_or_si128(_mm_srli_epi16(block, 8),
                                        _mm_slli_epi16(_mm_and_si128(block, lanes(0x0001)), 6));
    characters = _mm_packus_epi16(values, _mm_setzero_si128());
    return true;
}
#endif

}  // namespace

const std::array<TUtf8Form, 256>& utf8Forms() { return kUtf8Forms; }

std::size_t utf8LengthOf(std::string_view text) {
    // Short texts, the most common, are mostly ASCII: one pass over them decides.
    if (text.size() <= 16) {
        unsigned char seen = 0;
        for (char c : text) seen |= static_cast<unsigned char>(c);
        if (seen < 0x80) return text.size();
    }
    // Every byte of 0x80 or above takes at least one more byte; only bytes 0x80 .. 0x9F can
    // take two more, and they are rare, so they get a second look only when present.
    std::size_t extra = 0;
    bool controlRange = false;
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i last0x9F = _mm_set1_epi8(static_cast<char>(0x9F));  // signed: -97
    const __m128i zero = _mm_setzero_si128();
    const __m128i one = _mm_set1_epi8(1);
    __m128i sums = zero;  // two 64-bit counts of bytes of 0x80 or above
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i highBytes = _mm_cmplt_epi8(block, zero);
        const __m128i latinBytes = _mm_and_si128(_mm_cmpgt_epi8(block, last0x9F), highBytes);
        sums = _mm_add_epi64(sums, _mm_sad_epu8(_mm_and_si128(highBytes, one), zero));
        controlRange |= _mm_movemask_epi8(_mm_xor_si128(highBytes, latinBytes)) != 0;
    }
    extra += static_cast<std::size_t>(_mm_cvtsi128_si64(sums)) +
             static_cast<std::size_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
#endif
    // Eight bytes at a time in a 64-bit word: the top bits summed by a multiplication, the
    // control range found as a byte whose top three bits are 100.
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        extra += static_cast<std::size_t>((((word >> 7) & kOnes) * kOnes) >> 56);
        const std::uint64_t notControl = (word & (0xE0 * kOnes)) ^ (0x80 * kOnes);
        controlRange |= ((notControl - kOnes) & ~notControl & (0x80 * kOnes)) != 0;
    }
    for (; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        extra += byte >> 7;
        controlRange |= (byte & 0xE0) == 0x80;
    }
    if (controlRange) {
        for (char c : text) {
            const auto byte = static_cast<std::uint8_t>(c);
            if ((byte & 0xE0) == 0x80) extra += kUtf8Forms[byte].length - 2u;
        }
    }
    return text.size() + extra;
}

std::uint8_t* writeUtf8(std::string_view text, std::uint8_t* out) {
    const auto* in = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto* end = in + text.size();
    auto bytewise = [&in, &out](const std::uint8_t* stop) {
        for (; in != stop; ++in) {
            const std::uint8_t byte = *in;
            if (byte < 0x80) {
                *out++ = byte;
                continue;
            }
            const TUtf8Form& form = kUtf8Forms[byte];
            out[0] = form.bytes[0];
            out[1] = form.bytes[1];
            if (form.length == 3) out[2] = form.bytes[2];
            out += form.length;
        }
    };
#if defined(__SSE2__)
    // Sixteen bytes at a time where they are all ASCII (copied) or all 0xA0 .. 0xFF (each
    // becoming C2 or C3 and a continuation byte); other blocks byte by byte.
    const __m128i last0x9F = _mm_set1_epi8(static_cast<char>(0x9F));  // signed: -97
    const __m128i twoBits = _mm_set1_epi8(0x03);
    const __m128i sixBits = _mm_set1_epi8(0x3F);
    const __m128i leadMark = _mm_set1_epi8(static_cast<char>(0xC0));
    const __m128i trailMark = _mm_set1_epi8(static_cast<char>(0x80));
    while (end - in >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        const int high = _mm_movemask_epi8(block);
        if (high == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
            in += 16;
            out += 16;
            continue;
        }
        // As signed bytes 0xA0 .. 0xFF are -96 .. -1, above -97; 0x80 .. 0x9F are not.
        const int latin = _mm_movemask_epi8(_mm_cmpgt_epi8(block, last0x9F)) & high;
        if (latin != 0xFFFF) {
            bytewise(in + 16);
            continue;
        }
        const __m128i lead =
            _mm_or_si128(leadMark, _mm_and_si128(_mm_srli_epi16(block, 6), twoBits));
        const __m128i trail = _mm_or_si128(trailMark, _mm_and_si128(block, sixBits));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(lead, trail));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), _mm_unpackhi_epi8(lead, trail));
        in += 16;
        out += 32;
    }
#endif
    bytewise(end);
    return out;
}

std::string ansiToUtf8(std::string_view text) {
    std::string out(utf8LengthOf(text), '\0');
    writeUtf8(text, reinterpret_cast<std::uint8_t*>(out.data()));
    return out;
}

std::string utf8ToAnsi(std::span<const std::uint8_t> bytes) {
    std::string text(bytes.size(), '\0');  // never longer than its UTF-8 form
    char* out = text.data();
    bool afterHighSurrogate = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
#if defined(__SSE2__)
        if (bytes.size() - i >= 16) {  // sixteen ASCII bytes are copied as they are
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&bytes[i]));
            if (_mm_movemask_epi8(block) == 0) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
                out += 16;
                i += 16;
                afterHighSurrogate = false;
                continue;
            }
            if (__m128i latin; latin1Pairs(block, latin)) {  // eight characters A0 .. FF
                _mm_storel_epi64(reinterpret_cast<__m128i*>(out), latin);
                out += 8;
                i += 16;
                afterHighSurrogate = false;
                continue;
            }
        }
#endif
        const std::uint8_t lead = bytes[i++];
        if (lead < 0x80) {
            *out++ = static_cast<char>(lead);
            afterHighSurrogate = false;
            continue;
        }
        const std::size_t followers = (lead & 0x20) != 0 ? 2 : 1;
        if (bytes.size() - i < followers) return {};
        std::uint32_t unit = lead & (followers == 2 ? 0x0Fu : 0x1Fu);
        for (std::size_t k = 0; k < followers; ++k, ++i) {
            if ((bytes[i] & 0xC0) != 0x80) return {};
            unit = (unit << 6) | (bytes[i] & 0x3Fu);
        }
        out = emitUnit(out, static_cast<char16_t>(unit), afterHighSurrogate);
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

std::string utf16ToAnsi(std::u16string_view units) {
    std::string text(units.size(), '\0');
    char* out = text.data();
    bool afterHighSurrogate = false;
    for (char16_t unit : units) out = emitUnit(out, unit, afterHighSurrogate);
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}
