// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The size on paper of a drawing that is a printed page, in millimetres.
struct TPaper {
    double widthMm;
    double heightMm;
};

// Where the canvases that do not measure text put it: textOut's y is the top of the text cell,
// and the baseline lies kTextAscentEms of the font's size below it. It is the ascent of DejaVu
// Sans (0.928 em), which the pages name, as the window and the browser place its cell; Liberation
// Sans, which stands in for it, has 0.905 em. The baseline is written out instead of left to an
// SVG viewer's dominant-baseline, which librsvg and ImageMagick read otherwise than browsers.
inline constexpr double kTextAscentEms = 0.93;
