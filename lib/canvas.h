// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "lib/colors.h"

struct TFont {
    std::string name;
    std::int32_t size = 8;  // points
    TColor color = clBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// The drawing surface of an image control: a bitmap that values, the tree and the code disk
// draw on. Boxes are given as (x1, y1, x2, y2) with x2 and y2 just outside the shape, as the
// Windows GDI takes them. Outlines use the pen colour (one pixel, solid); fills the brush colour.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;

    virtual void setPenColor(TColor color) = 0;
    virtual void setBrushColor(TColor color) = 0;
    virtual void setFont(const TFont& font) = 0;

    // Filled rectangle with outline.
    virtual void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    // Filled ellipse inscribed in the box, with outline.
    virtual void ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    // Filled wedge of the ellipse inscribed in the box, from the ray through (x3, y3)
    // counter-clockwise on screen to the ray through (x4, y4), both rays starting at the box's
    // centre; arc and both radii outlined.
    virtual void pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                     std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) = 0;

    virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
    // Line from the current point to (x, y), which becomes the current point.
    virtual void lineTo(std::int32_t x, std::int32_t y) = 0;
    // Text (8-bit bytes) in the current font with its top-left corner at (x, y), on a cell
    // filled with the brush colour.
    virtual void textOut(std::int32_t x, std::int32_t y, const std::string& text) = 0;
};
