#include "app/imageControl.h"

#include <QPainter>

std::int32_t TImageCanvas::width() const { return m_image.width(); }
std::int32_t TImageCanvas::height() const { return m_image.height(); }

QColor TImageCanvas::faceColor() const {
    const QColor face = m_image.palette().color(QPalette::Window);
    return face.lightness() < kDarkFaceLightness ? kLightFace : face;
}

void TImageCanvas::paintWith(const std::function<void(QPainter&)>& draw) {
    {
        QPainter painter(&m_image.bitmapForDrawing());
        draw(painter);
    }
    m_image.update();
}

TImageControl::TImageControl(QWidget* parent) : QWidget(parent) {}

QImage& TImageControl::bitmapForDrawing() {
    if (m_picture.isNull()) {
        m_picture = QImage(size(), QImage::Format_RGB32);
        m_picture.fill(Qt::white);
    }
    return m_picture;
}

void TImageControl::setOverlay(std::function<void(QPainter&)> overlay) {
    m_overlay = std::move(overlay);
    update();
}

void TImageControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    if (m_overlay) m_overlay(painter);
}
