// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/GrayUnit.h"

#include <stdexcept>

#include "gray/grayWindow.h"

void TCode::writeValue() { grayWindow().appendListingLine(text()); }

TGray::TGray(std::int32_t count) : m_codeCount(count) {
    if (count < 2 || count > kMaxCodeCount || count % 2 != 0) {
        throw std::invalid_argument("TGray: the word count must be even and 2 .. 65534, not " +
                                    std::to_string(count));
    }
}

std::int32_t TGray::bitsNeeded(std::int32_t n) {
    if (n < 1) throw std::invalid_argument("TGray::bitsNeeded: n must be at least 1");
    std::int32_t bits = 0;
    while ((std::int64_t{1} << bits) < n) ++bits;
    return bits;
}

std::string TGray::dualString(std::int32_t value) const {
    std::string digits;
    for (std::int32_t rest = value; rest > 0; rest /= 2) digits.insert(0, 1, rest % 2 ? '1' : '0');
    const auto width = static_cast<std::size_t>(m_bitCount);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

void TGray::appendCode(std::int32_t index) {
    // The constructor's limit keeps the list below its capacity, so nothing is refused.
    [[maybe_unused]] const auto refused =
        m_codes.append(std::make_unique<TCode>(dualString(grayOf(index))));
}

void TGray::generate() {
    computeCodes();
    m_codes.write();
}

void TGray::computeCodes() {
    m_bitCount = bitsNeeded(m_codeCount);
    m_fullCount = std::int32_t{1} << m_bitCount;
    // 2^(bitCount-2) rounds to 0 for a single bit.
    const std::int32_t quarter = m_bitCount >= 2 ? std::int32_t{1} << (m_bitCount - 2) : 0;
    m_lowEnd = quarter + m_codeCount / 2 - 1;
    m_highStart = (m_fullCount - m_codeCount) + m_lowEnd + 1;

    for (std::int32_t i = 0; i <= m_lowEnd; ++i) appendCode(i);
    for (std::int32_t i = m_highStart; i < m_fullCount; ++i) appendCode(i);
}
