// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/zoomArea.h"

#include <QLabel>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/platform/scrollBar.h"

namespace {

// Factors closer than this count as equal, so that a fitted 0.8 is the step 0.8.
constexpr double kSameZoom = 0.005;

QRect scaledRect(const QRect& designed, double zoom) {
    const auto scale = [zoom](int value) { return static_cast<int>(std::lround(value * zoom)); };
    return QRect(scale(designed.x()), scale(designed.y()), scale(designed.width()),
                 scale(designed.height()));
}

}  // namespace

double nextZoomStep(double zoom, int direction) {
    if (direction > 0) {
        const auto above = std::find_if(std::begin(kZoomSteps), std::end(kZoomSteps),
                                        [zoom](double step) { return step > zoom + kSameZoom; });
        return above == std::end(kZoomSteps) ? kZoomSteps[std::size(kZoomSteps) - 1] : *above;
    }
    const auto below = std::find_if(std::rbegin(kZoomSteps), std::rend(kZoomSteps),
                                    [zoom](double step) { return step < zoom - kSameZoom; });
    return below == std::rend(kZoomSteps) ? kZoomSteps[0] : *below;
}

double fittingZoom(QSize designed, QMargins frame, QSize available, double wanted) {
    const double width = available.width() - frame.left() - frame.right();
    const double height = available.height() - frame.top() - frame.bottom();
    const double fits = std::min(width / designed.width(), height / designed.height());
    // Whole percent, rounded down, so that the scaled content never exceeds the room.
    const double percent = std::floor(std::min(wanted, fits) * 100) / 100;
    return std::max(percent, kZoomSteps[0]);
}

bool leftToZoom(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) return false;
    event->ignore();
    return true;
}

TZoomArea::TZoomArea(QSize designedSize, const QFont& designedFont, QWidget* parent)
    : QScrollArea(parent), m_designedSize(designedSize), m_designedFont(designedFont) {
    setVerticalScrollBar(new TScrollBar(Qt::Vertical));
    setHorizontalScrollBar(new TScrollBar(Qt::Horizontal));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, not to the area
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* content = new QWidget;
    content->setFont(designedFont);
    content->resize(designedSize);
    setWidget(content);
    // The window's own background shows through: one fill instead of three on every repaint.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
}

QSize TZoomArea::scaledSize(double zoom) const {
    return scaledRect(QRect(QPoint(0, 0), m_designedSize), zoom).size();
}

void TZoomArea::place(QWidget* widget, const QRect& designed) {
    const auto placed = std::ranges::find_if(
        m_placed, [widget](const Placed& entry) { return entry.widget == widget; });
    if (placed != m_placed.end()) {
        placed->designed = designed;
    } else {
        m_placed.push_back({widget, designed});
    }
    applyTo(widget, designed);
}

void TZoomArea::applyTo(QWidget* widget, const QRect& designed) const {
    QRect shown = scaledRect(designed, m_zoom);
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label != nullptr && !label->wordWrap()) {
        shown.setWidth(std::max(shown.width(), label->sizeHint().width()));
    }
    widget->setGeometry(shown);
}

QLabel* TZoomArea::placeLabel(QWidget* parent, const QString& text, const QRect& designed) {
    auto* made = new QLabel(text, parent);
    made->setWordWrap(true);
    made->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(made, designed);
    return made;
}

void TZoomArea::setDesignedSize(QSize designed) {
    m_designedSize = designed;
    content()->resize(scaledSize(m_zoom));
    emit designedSizeChanged();
}

void TZoomArea::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, kZoomSteps[0], kZoomSteps[std::size(kZoomSteps) - 1]);
    QFont font = m_designedFont;
    font.setPixelSize(
        std::max(1, static_cast<int>(std::floor(m_designedFont.pixelSize() * m_zoom))));
    content()->setFont(font);
    content()->resize(scaledSize(m_zoom));
    for (const Placed& placed : m_placed) {
        if (placed.widget) applyTo(placed.widget, placed.designed);
    }
    emit zoomChanged(m_zoom);
}

void TZoomArea::wheelEvent(QWheelEvent* event) {
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        const int delta = event->angleDelta().y();
        if (delta != 0) emit zoomStepRequested(delta > 0 ? 1 : -1);
        event->accept();
        return;
    }
    QScrollArea::wheelEvent(event);
}
