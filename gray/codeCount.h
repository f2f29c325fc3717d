// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A word count that the lesson builds: even and kMin .. kMax, as the count field's label
// promises ("gerade Zahl von 4 bis 64"). Only the functions below make one, so a lesson module
// that takes a TCodeCount need not check it again.
class TCodeCount {
public:
    static constexpr std::int32_t kMin = 4;
    static constexpr std::int32_t kMax = 64;

    // n as a count, or nothing when it is odd or outside kMin .. kMax.
    static std::optional<TCodeCount> of(std::int64_t n);
    // The count OK builds for a typed count: an odd one raised by one, then clamped into
    // kMin .. kMax.
    static TCodeCount shown(std::int64_t typed);

    std::int32_t value() const { return m_value; }
    friend bool operator==(TCodeCount, TCodeCount) = default;

private:
    explicit TCodeCount(std::int32_t value) : m_value(value) {}
    std::int32_t m_value;
};

// TCodeCount::shown(typed) as a number, for the count fields of both editions.
std::int32_t shownCount(std::int64_t typed);
// The count a count field's text stands for, in both editions: its number, or TCodeCount::kMin
// when it holds none. Not yet raised or clamped; shownCount does that.
std::int32_t typedCount(std::string_view text);
