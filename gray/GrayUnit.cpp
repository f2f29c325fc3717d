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

std::string TGray::dualString(std::int32_t value) const { return ::dualString(value, m_bitCount); }

void TGray::generate() {
    // A lesson's counts share their one cut; other counts get their own.
    const std::optional<TCodeCount> lessonCount = TCodeCount::of(m_codeCount);
    m_cycle = lessonCount ? TGrayCycle::of(*lessonCount) : TGrayCycle(m_codeCount);
    m_bitCount = m_cycle->bitCount();
    m_fullCount = m_cycle->fullCount();
    m_lowEnd = m_cycle->lowEnd();
    m_highStart = m_cycle->highStart();
    for (const std::string& word : m_cycle->words()) {
        // The constructor's limit keeps the list below its capacity, so nothing is refused.
        [[maybe_unused]] const auto refused = m_codes.append(std::make_unique<TCode>(word));
    }
    m_codes.write();
}
