#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/qtCanvas.h"

class TImageControl;

// The canvas of an image control: draws on the control's bitmap and has the control repaint.
// The button face is the window's background colour, or kLightFace where that is darker than
// kDarkFaceLightness (a dark desktop theme), so that black drawn on it can be told apart.
class TImageCanvas : public TQtCanvas {
public:
    explicit TImageCanvas(TImageControl& image) : m_image(image) {}

    std::int32_t width() const override;
    std::int32_t height() const override;

    static constexpr int kDarkFaceLightness = 128;
    static constexpr QColor kLightFace{0xD4, 0xD0, 0xC8};

    QColor faceColor() const override;

protected:
    void paintWith(const std::function<void(QPainter&)>& draw) override;

private:
    TImageControl& m_image;
};

// An image control: shows its bitmap, which is created white at the control's size the first
// time something is drawn on its canvas. Without a picture it shows nothing. An overlay may be
// painted over the bitmap on screen; it never becomes part of the bitmap.
class TImageControl : public QWidget {
    Q_OBJECT

public:
    explicit TImageControl(QWidget* parent = nullptr);

    TImageCanvas& canvas() { return m_canvas; }
    // The bitmap; null while nothing has been drawn.
    const QImage& picture() const { return m_picture; }
    // Paints over the bitmap on screen after it; an empty function removes the overlay.
    void setOverlay(std::function<void(QPainter&)> overlay);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TImageCanvas;
    QImage& bitmapForDrawing();

    QImage m_picture;
    TImageCanvas m_canvas{*this};
    std::function<void(QPainter&)> m_overlay;
};
