// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A field's text read as a whole number: decimal digits with an optional sign, blanks around
// them allowed, within 32 bits; nothing for any other text ("", "abc", "1e3", "0x10", "2.5").
std::optional<std::int32_t> parsedInteger(std::string_view text);
