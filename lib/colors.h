// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A colour value as the toolkit stores it: 0x00BBGGRR for an RGB colour, or a system colour
// (top byte 0xFF, low byte the system colour index) that the drawing surface resolves.
using TColor = std::int32_t;

constexpr TColor rgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

constexpr std::uint8_t redOf(TColor color) { return static_cast<std::uint8_t>(color & 0xFF); }
constexpr std::uint8_t greenOf(TColor color) {
    return static_cast<std::uint8_t>((color >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(TColor color) {
    return static_cast<std::uint8_t>((color >> 16) & 0xFF);
}

constexpr TColor kSystemColorFlag = static_cast<TColor>(0xFF000000u);

constexpr bool isSystemColor(TColor color) {
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

inline constexpr TColor clBlack = rgbColor(0, 0, 0);
// The button-face colour of the desktop (system colour index 15), also the windows' background.
inline constexpr TColor clBtnFace = kSystemColorFlag | 15;
