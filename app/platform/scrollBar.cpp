// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/scrollBar.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

TScrollBar::TScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

bool TScrollBar::sameAsCached(const QStyleOptionSlider& option, qreal ratio) const {
    const QStyleOptionSlider& cached = m_cachedOption;
    return !m_cache.isNull() && m_cache.devicePixelRatio() == ratio &&
           m_cachedStyle == style() && m_cachedPalette == option.palette.cacheKey() &&
           cached.rect == option.rect && cached.state == option.state &&
           cached.direction == option.direction && cached.orientation == option.orientation &&
           cached.minimum == option.minimum && cached.maximum == option.maximum &&
           cached.sliderPosition == option.sliderPosition &&
           cached.sliderValue == option.sliderValue && cached.pageStep == option.pageStep &&
           cached.singleStep == option.singleStep &&
           cached.upsideDown == option.upsideDown && cached.subControls == option.subControls &&
           cached.activeSubControls == option.activeSubControls;
}

void TScrollBar::paintEvent(QPaintEvent* event) {
    // Hover and press highlight parts that only QScrollBar itself knows of.
    if (m_pressed || isSliderDown() || underMouse() ||
        style()->styleHint(QStyle::SH_ScrollBar_Transient, nullptr, this)) {
        m_cache = QImage();
        QScrollBar::paintEvent(event);
        return;
    }
    // As QScrollBar::paintEvent sets it up when nothing is hovered or pressed.
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    // The ratio of the device painted on: a screen's or an image's that the bar is rendered into.
    const qreal ratio = QPainter(this).deviceTransform().m11();
    if (sameAsCached(option, ratio)) {
        QPainter painter(this);
        // In device pixels, so that the rendering is copied pixel for pixel.
        painter.scale(1 / ratio, 1 / ratio);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m_cache.size())), m_cache,
                          QRectF(m_cache.rect()));
        return;
    }
    m_cache = QImage();
    QScrollBar::paintEvent(event);
    if (event->region() != QRegion(rect())) return;
    // Keeps what QScrollBar drew, read back from the raster image painted on.
    QPainter painter(this);
    const QTransform transform = painter.deviceTransform();
    QPaintDevice* device = painter.paintEngine()->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image ||
        transform.type() > QTransform::TxScale || transform.m22() != ratio) {
        return;
    }
    const QRectF mapped = transform.mapRect(QRectF(rect()));
    const QRect onDevice = mapped.toRect();
    const auto* target = static_cast<QImage*>(device);
    if (QRectF(onDevice) != mapped || !target->rect().contains(onDevice)) return;
    m_cache = target->copy(onDevice);
    m_cache.setDevicePixelRatio(ratio);
    m_cachedOption = option;
    m_cachedPalette = option.palette.cacheKey();
    m_cachedStyle = style();
}

void TScrollBar::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    QScrollBar::mousePressEvent(event);
}

void TScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    m_pressed = false;
    QScrollBar::mouseReleaseEvent(event);
}
