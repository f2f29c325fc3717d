#pragma once

#include <QImage>
#include <QWidget>

#include "lib/canvas.h"

class TImageControl;

// The canvas of an image control: draws on the control's bitmap with the Windows GDI
// semantics that the library expects, and has the control repaint afterwards.
class TImageCanvas : public TCanvas {
public:
    explicit TImageCanvas(TImageControl& image) : m_image(image) {}

    std::int32_t width() const override;
    std::int32_t height() const override;

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

    // The Qt colour of a colour value. A system colour is the window's background colour, or
    // kLightFace where that is darker than kDarkFaceLightness (a dark desktop theme).
    QColor resolve(TColor color) const;

    static constexpr int kDarkFaceLightness = 128;
    static constexpr QColor kLightFace{0xD4, 0xD0, 0xC8};

private:
    template <typename Draw>
    void paint(Draw draw);

    TImageControl& m_image;
    TColor m_penColor = clBlack;
    TColor m_brushColor = rgbColor(255, 255, 255);
    TFont m_font{.name = "MS Sans Serif"};
    std::int32_t m_penX = 0;
    std::int32_t m_penY = 0;
};

// An image control: shows its bitmap, which is created white at the control's size the first
// time something is drawn on its canvas. Without a picture it shows nothing.
class TImageControl : public QWidget {
    Q_OBJECT

public:
    explicit TImageControl(QWidget* parent = nullptr);

    TCanvas& canvas() { return m_canvas; }
    // The bitmap; null while nothing has been drawn.
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TImageCanvas;
    QImage& bitmapForDrawing();

    QImage m_picture;
    TImageCanvas m_canvas{*this};
};
