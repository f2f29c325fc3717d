// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/imageControl.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/platform/theme.h"

std::int32_t TImageCanvas::width() const { return m_image.width(); }
std::int32_t TImageCanvas::height() const { return m_image.height(); }

QColor TImageCanvas::faceColor() const {
    const QColor face = m_image.palette().color(QPalette::Window);
    return isDarkFace(face) ? kLightFace : face;
}

void TImageCanvas::paintWith(const std::function<void(QPainter&)>& draw) {
    if (!m_painter) m_painter.emplace(&m_image.bitmapForDrawing());
    draw(*m_painter);
    m_image.update();
}

TImageControl::TImageControl(QWidget* parent) : QWidget(parent) { m_ratio = devicePixelRatioF(); }

QImage& TImageControl::bitmapForDrawing() {
    if (m_picture.isNull()) {
        // Vectors drawn through a painter on this bitmap land on device pixels.
        m_picture = QImage(size() * m_ratio, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(m_ratio);
        m_picture.fill(Qt::white);
    }
    return m_picture;
}

void TImageControl::dropPicture() {
    m_canvas.finishDrawing();
    if (m_picture.isNull()) return;
    m_picture = QImage();
    emit pictureOutdated();
}

void TImageControl::setOverlay(const QObject* owner, std::function<void(QPainter&)> overlay) {
    const auto known = std::find_if(m_overlays.begin(), m_overlays.end(),
                                    [owner](const auto& shown) { return shown.first == owner; });
    if (known != m_overlays.end()) {
        known->second = std::move(overlay);
    } else if (overlay) {
        m_overlays.emplace_back(owner, std::move(overlay));
    }
    update();
}

void TImageControl::paintEvent(QPaintEvent*) {
    m_canvas.finishDrawing();
    QPainter painter(this);
    // The device may be a high-density screen or an image that the widget is rendered into.
    const qreal ratio = painter.deviceTransform().m11();
    if (ratio != m_ratio) {
        m_ratio = ratio;
        dropPicture();
    }
    if (m_picture.isNull()) return;
    // In device pixels, so that the bitmap is copied pixel for pixel instead of scaled.
    painter.save();
    painter.scale(1 / m_ratio, 1 / m_ratio);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size())), m_picture,
                      QRectF(m_picture.rect()));
    painter.restore();
    for (const auto& [owner, overlay] : m_overlays) {
        if (overlay) overlay(painter);
    }
}

void TImageControl::resizeEvent(QResizeEvent*) { dropPicture(); }

bool TImageControl::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && m_sectorAt) {
        const auto* help = static_cast<QHelpEvent*>(event);
        emit sectorHovered(m_sectorAt(help->pos()), help->globalPos());
        return true;
    }
    return QWidget::event(event);
}

void TImageControl::mousePressEvent(QMouseEvent* event) {
    if (m_handleMode && event->button() == Qt::LeftButton) {
        emit handleDragged(event->position());
        return;
    }
    if (!m_sectorAt) return QWidget::mousePressEvent(event);
    if (const auto sector = m_sectorAt(event->position())) emit sectorClicked(*sector);
}

void TImageControl::mouseMoveEvent(QMouseEvent* event) {
    if (m_handleMode && event->buttons().testFlag(Qt::LeftButton)) {
        emit handleDragged(event->position());
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TImageControl::keyPressEvent(QKeyEvent* event) {
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    const int step = event->key() == Qt::Key_Right ? 1 : -1;
    const bool page = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (m_handleMode && (page || (arrow && event->modifiers() & Qt::ShiftModifier))) {
        emit handleSectorStepped(
            event->key() == Qt::Key_Right || event->key() == Qt::Key_PageDown ? 1 : -1);
        return;
    }
    if (arrow && m_handleMode) {
        emit handleStepped(step);
        return;
    }
    if (arrow && m_sectorAt) {
        emit sectorStepped(step);
        return;
    }
    QWidget::keyPressEvent(event);
}
