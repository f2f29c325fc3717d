// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/codeCount.h"

#include <algorithm>

#include "lib/integerText.h"

std::optional<TCodeCount> TCodeCount::of(std::int64_t n) {
    if (n < kMin || n > kMax || n % 2 != 0) return std::nullopt;
    return TCodeCount(static_cast<std::int32_t>(n));
}

TCodeCount TCodeCount::shown(std::int64_t typed) {
    const std::int64_t even = typed % 2 != 0 ? typed + 1 : typed;
    return TCodeCount(static_cast<std::int32_t>(std::clamp<std::int64_t>(even, kMin, kMax)));
}

std::int32_t shownCount(std::int64_t typed) { return TCodeCount::shown(typed).value(); }

std::int32_t typedCount(std::string_view text) {
    return parsedInteger(text).value_or(TCodeCount::kMin);
}
