// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "draw/paper.h"
#include "draw/pdfDocument.h"
#include "lib/canvas.h"

// A canvas that writes what is drawn on it as a PDF document of pages as large as paper, each
// width x height units scaled to fit, vector throughout: pies become Bézier arcs, texts
// Helvetica or Helvetica-Bold, whatever font they name, in points on the paper. The system
// colours are resolved to face. As on the SVG canvas, outlines are one unit wide and run along
// the middle of the GDI shape's outer pixels, and a text's cell is not filled: pages are drawn
// on white.
class TPdfCanvas final : public TCanvas {
public:
    // title names the document. The first page is begun.
    TPdfCanvas(std::int32_t width, std::int32_t height, TPaper paper, std::string title,
               TColor face);

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

    // Ends the page drawn on and begins the next; pen, brush and font stay as they are.
    void newPage();
    std::size_t pageCount() const { return m_document.pageCount(); }
    // The whole document with every page drawn so far.
    std::string document() const { return m_document.bytes(); }

private:
    // The point (x, y) of the drawing on the page, "x y" in points from the bottom-left corner.
    std::string at(double x, double y) const;
    // Sets the page's stroke or fill colour to color where it is another.
    void stroke(TColor color);
    void fill(TColor color);
    // Appends the elliptic arc around (cx, cy) with radii rx and ry from the ray at startDegrees
    // counter-clockwise on screen through sweepDegrees (up to a full turn) as Bézier curves,
    // reaching its start by the path operator toStart ("m" or "l").
    void arc(double cx, double cy, double rx, double ry, double startDegrees, double sweepDegrees,
             const char* toStart);

    std::int32_t m_width;
    std::int32_t m_height;
    TColor m_face;
    TPdfDocument m_document;
    double m_pageWidth;  // in points
    double m_pageHeight;
    double m_scaleX;  // points per unit
    double m_scaleY;
    TColor m_pen = clBlack;
    TColor m_brush = clBtnFace;
    TFont m_font;
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;
    // The colours set on the page so far.
    std::optional<TColor> m_strokeSet;
    std::optional<TColor> m_fillSet;
};
