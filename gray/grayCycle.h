// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gray/codeCount.h"

// The cut: where the cyclic code of codeCount words lies in the reflected binary Gray code of
// fullCount = 2^bitCount words. The full code's indices 0 .. lowEnd and highStart ..
// fullCount - 1 are kept, in this order; the block between them, centred in the upper half, is
// dropped. Index i stands for the word i XOR (i >> 1). The position of a kept word is its place
// in the cycle, 0-based, in listing order.
//
// This is the only place where the cut's arithmetic is written; the table, the listing, the
// disk and every lesson module read it from here. A value never changes once made.
class TGrayCycle {
public:
    // The cut of an even count of at least 2 words; std::invalid_argument otherwise.
    explicit TGrayCycle(std::int32_t count);
    // The cut of a lesson's count, computed once per count for the program's lifetime.
    static const TGrayCycle& of(TCodeCount count);

    // The smallest k with 2^k >= n; std::invalid_argument for n < 1.
    static std::int32_t bitsNeeded(std::int32_t n);
    // The Gray code word of index of the full code, as a number.
    static std::int32_t grayOf(std::int32_t index) {
        return index ^ static_cast<std::int32_t>(static_cast<std::uint32_t>(index) >> 1);
    }

    std::int32_t codeCount() const { return m_codeCount; }
    std::int32_t bitCount() const { return m_bitCount; }
    std::int32_t fullCount() const { return m_fullCount; }
    std::int32_t lowEnd() const { return m_lowEnd; }
    std::int32_t highStart() const { return m_highStart; }
    // How many words the cut drops: fullCount - codeCount, none for a power of two.
    std::int32_t droppedCount() const { return m_highStart - m_lowEnd - 1; }

    // Whether index of the full code lies in the dropped block.
    bool isDropped(std::int32_t index) const { return index > m_lowEnd && index < m_highStart; }
    // The position of index of the full code, or nothing for a dropped or absent index.
    std::optional<std::int32_t> positionOf(std::int32_t index) const;
    // The index in the full code of the word at position (0 .. codeCount - 1).
    std::int32_t indexOf(std::int32_t position) const {
        return position <= m_lowEnd ? position : position + droppedCount();
    }
    // The kept words in listing order, bitCount characters each, most significant bit first.
    const std::vector<std::string>& words() const { return m_words; }
    // The binary digits of value, left-padded with "0" to bitCount characters.
    std::string dualString(std::int32_t value) const;

private:
    std::int32_t m_codeCount;
    std::int32_t m_bitCount;
    std::int32_t m_fullCount;
    std::int32_t m_lowEnd;
    std::int32_t m_highStart;
    std::vector<std::string> m_words;
};

// The binary digits of value, left-padded with "0" to width characters; never cut. 0 and below
// give width zeros.
std::string dualString(std::int32_t value, std::int32_t width);
