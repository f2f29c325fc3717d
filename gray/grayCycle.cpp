// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/grayCycle.h"

#include <stdexcept>

TGrayCycle::TGrayCycle(std::int32_t count) : m_codeCount(count) {
    if (count < 2 || count % 2 != 0) {
        throw std::invalid_argument("TGrayCycle: the word count must be even and at least 2, not " +
                                    std::to_string(count));
    }
    m_bitCount = bitsNeeded(count);
    m_fullCount = std::int32_t{1} << m_bitCount;
    // 2^(bitCount-2) rounds to 0 for a single bit.
    const std::int32_t quarter = m_bitCount >= 2 ? std::int32_t{1} << (m_bitCount - 2) : 0;
    m_lowEnd = quarter + count / 2 - 1;
    m_highStart = (m_fullCount - count) + m_lowEnd + 1;
    m_words.reserve(static_cast<std::size_t>(count));
    for (std::int32_t position = 0; position < count; ++position) {
        m_words.push_back(dualString(grayOf(indexOf(position))));
    }
}

const TGrayCycle& TGrayCycle::of(TCodeCount count) {
    static const std::vector<TGrayCycle> cycles = [] {
        std::vector<TGrayCycle> made;
        for (std::int32_t n = TCodeCount::kMin; n <= TCodeCount::kMax; n += 2) made.emplace_back(n);
        return made;
    }();
    return cycles[static_cast<std::size_t>((count.value() - TCodeCount::kMin) / 2)];
}

std::int32_t TGrayCycle::bitsNeeded(std::int32_t n) {
    if (n < 1) throw std::invalid_argument("bitsNeeded: n must be at least 1");
    std::int32_t bits = 0;
    while ((std::int64_t{1} << bits) < n) ++bits;
    return bits;
}

std::optional<std::int32_t> TGrayCycle::positionOf(std::int32_t index) const {
    if (index < 0 || index >= m_fullCount || isDropped(index)) return std::nullopt;
    return index <= m_lowEnd ? index : index - droppedCount();
}

std::string TGrayCycle::dualString(std::int32_t value) const {
    return ::dualString(value, m_bitCount);
}

std::string dualString(std::int32_t value, std::int32_t width) {
    std::string digits;
    for (std::int32_t rest = value; rest > 0; rest /= 2) digits.insert(0, 1, rest % 2 ? '1' : '0');
    const auto padded = static_cast<std::size_t>(width);
    if (digits.size() < padded) digits.insert(0, padded - digits.size(), '0');
    return digits;
}
