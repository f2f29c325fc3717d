// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <functional>

#include "lib/canvas.h"

// The Qt colour of an RGB colour value, alpha its opacity of 255.
QColor rgbToQColor(TColor color, int alpha = 255);

// The drawing surface on Qt, with the Windows GDI semantics that the library expects: boxes
// exclude their right and bottom edge, pies run counter-clockwise from the first ray to the
// second, text stands on a cell of the brush colour. Where the strokes land is left to the
// subclass: an image control's bitmap, or any paint device such as an image, an SVG file or a
// printer page.
class TQtCanvas : public TCanvas {
public:
    void setPenColor(TColor color) override { m_penColor = color; }
    void setBrushColor(TColor color) override { m_brushColor = color; }
    void setFont(const TFont& font) override { m_font = font; }

    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
             std::int32_t y3, std::int32_t x4, std::int32_t y4) override;
    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;
    void textOut(std::int32_t x, std::int32_t y, const std::string& text) override;

    // The Qt colour of a colour value; a system colour is faceColor().
    QColor resolve(TColor color) const;

protected:
    // The colour that the button-face system colour stands for on this surface.
    virtual QColor faceColor() const = 0;
    // True where outlines are one device pixel wide at any pixel ratio (a cosmetic pen), rather
    // than one unit of the surface's coordinates.
    virtual bool hairlineOutlines() const { return false; }
    // How many of the surface's units a font's point is tall, or 0 where a point is the
    // device's own (a printed page in 0.1 mm has 254 / 72).
    virtual double unitsPerPoint() const { return 0; }
    // Runs draw with a painter on the surface, pen and brush already set.
    virtual void paintWith(const std::function<void(QPainter&)>& draw) = 0;

private:
    void draw(const std::function<void(QPainter&)>& draw);

    TColor m_penColor = clBlack;
    TColor m_brushColor = rgbColor(255, 255, 255);
    TFont m_font{.name = "MS Sans Serif"};
    std::int32_t m_penX = 0;
    std::int32_t m_penY = 0;
};

// A canvas on a painter that its caller has opened on some paint device; width and height are
// the logical size drawn on (the painter's transform may scale it onto the device). With
// unitsPerPoint, fonts are sized in the logical units, whatever the device's resolution.
class TPainterCanvas : public TQtCanvas {
public:
    TPainterCanvas(QPainter& painter, std::int32_t width, std::int32_t height, QColor face,
                   double unitsPerPoint = 0)
        : m_painter(painter),
          m_width(width),
          m_height(height),
          m_face(face),
          m_unitsPerPoint(unitsPerPoint) {}

    std::int32_t width() const override { return m_width; }
    std::int32_t height() const override { return m_height; }

protected:
    QColor faceColor() const override { return m_face; }
    double unitsPerPoint() const override { return m_unitsPerPoint; }
    void paintWith(const std::function<void(QPainter&)>& draw) override;

private:
    QPainter& m_painter;
    std::int32_t m_width;
    std::int32_t m_height;
    QColor m_face;
    double m_unitsPerPoint;
};
