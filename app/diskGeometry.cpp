// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/diskGeometry.h"

#include <QPainter>
#include <numbers>

#include "app/platform/qtCanvas.h"

TDiskGeometry::TDiskGeometry(int width, int bits, int sectors)
    : m_layout(width, bits, sectors), m_bits(bits) {}

std::optional<int> TDiskGeometry::sectorAt(QPointF point) const {
    return m_layout.sectorAt(point.x(), point.y());
}

QPainterPath TDiskGeometry::wedge(double fromDegrees, double toDegrees) const {
    return ringStretch(m_layout.centre(), m_layout.outerRadiusOfBit(0),
                       m_layout.outerRadiusOfBit(m_bits), fromDegrees, toDegrees);
}

QPainterPath ringStretch(double centre, double outer, double inner, double fromDegrees,
                         double toDegrees) {
    const QRectF outerBox(centre - outer, centre - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre - inner, centre - inner, 2 * inner, 2 * inner);
    const double span = toDegrees - fromDegrees;
    QPainterPath outline;
    outline.arcMoveTo(outerBox, fromDegrees);
    outline.arcTo(outerBox, fromDegrees, span);
    outline.arcTo(innerBox, toDegrees, -span);
    outline.closeSubpath();
    return outline;
}

std::function<void(QPainter&)> markOverlay(const TSectorMark& mark) {
    constexpr double kDegrees = 180 / std::numbers::pi;
    const QPainterPath outline = ringStretch(mark.centre, mark.outerRadius, mark.innerRadius,
                                             mark.startAngle * kDegrees, mark.endAngle * kDegrees);
    return [outline, mark](QPainter& painter) {
        const QColor color = rgbToQColor(mark.color);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(color, mark.outlineWidth));
        painter.drawPath(outline);
        painter.setPen(QPen(color, mark.changeWidth, Qt::SolidLine, Qt::RoundCap));
        for (const auto& [outer, inner] : mark.changes) {
            painter.drawLine(QPointF(outer.x, outer.y), QPointF(inner.x, inner.y));
        }
    };
}
