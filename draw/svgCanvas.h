// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "draw/paper.h"
#include "lib/canvas.h"

// A canvas that writes what is drawn on it as an SVG drawing of width x height pixels, with the
// system colours resolved to face. Pies become paths with an elliptic arc, so the drawing stays
// sharp at any size; texts stand on their baseline, an ascent below the cell's top.
class TSvgCanvas : public TCanvas {
public:
    // title names the drawing (its <title>); face is the colour clBtnFace stands for. A drawing
    // on paper is as large as the paper, its units scaled to fit, and a font of p points is p
    // points tall on the paper; otherwise a point is 4/3 of a unit, as on a screen.
    TSvgCanvas(std::int32_t width, std::int32_t height, const std::string& title, TColor face,
               std::optional<TPaper> paper = std::nullopt);

    std::int32_t width() const override { return m_width; }
    std::int32_t height() const override { return m_height; }

    void setPenColor(TColor color) override { m_pen = color; }
    void setBrushColor(TColor color) override { m_brush = color; }
    void setFont(const TFont& font) override { m_font = font; }
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
             std::int32_t y3, std::int32_t x4, std::int32_t y4) override;
    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;
    void textOut(std::int32_t x, std::int32_t y, const std::string& text) override;

    // Outlines the stretch of the ring between innerRadius and outerRadius around (centreX,
    // centreY) from startRadians counter-clockwise on screen to endRadians, width wide in color,
    // over what is drawn: a marked sector, beyond what the canvas calls can draw.
    void outlineRingStretch(double centreX, double centreY, double outerRadius, double innerRadius,
                            double startRadians, double endRadians, TColor color, double width);

    // The whole document, closed.
    std::string document() const { return m_text + "</svg>\n"; }

private:
    std::string css(TColor color) const;
    std::string filled() const;

    std::int32_t m_width;
    std::int32_t m_height;
    TColor m_face;
    // Units per point of a drawing on paper, else 0.
    double m_unitsPerPoint = 0;
    TColor m_pen = clBlack;
    TColor m_brush = clBtnFace;
    TFont m_font;
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;
    std::string m_text;
};

// UTF-8 text made fit for XML 1.0: &, <, > and " escaped, bytes that are no UTF-8 replaced by
// U+FFFD, and the characters that XML forbids (control characters other than tab, line feed and
// carriage return, NUL among them; U+FFFE and U+FFFF) left out.
std::string xmlEscaped(const std::string& text);
