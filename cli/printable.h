// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text from a file or the system made safe for a terminal: UTF-8 passes unchanged, but control
// characters (C0, DEL, C1) and bytes that are no valid UTF-8 become \xHH, one per byte. Text
// beyond maxCharacters characters is cut and "…" appended.
std::string printable(std::string_view text, std::size_t maxCharacters);
