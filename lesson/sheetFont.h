// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// Text widths for the worksheets, without a font at hand: the engine draws on any canvas, and a
// sheet must come out alike in the window, in its PDF and in the browser. Each character counts
// as wide as in the wider of DejaVu Sans, which the sheets name, and Liberation Sans, the metric
// twin of Arial and Helvetica that stands in where DejaVu Sans is missing. So a text measured
// here is never narrower on paper; kerning only narrows it further.

// The font the sheets name.
inline constexpr const char* kSheetFontName = "DejaVu Sans";

// The advance of text (Windows-1252 bytes) in thousandths of an em, bold or regular. A byte the
// sheets do not write counts as the widest character.
std::int32_t sheetTextAdvance(std::string_view text, bool bold);
