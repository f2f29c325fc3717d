// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/qtCanvas.h"

#include <QFontMetrics>
#include <cmath>

#include "draw/pieWedge.h"
#include "lib/codePage.h"

namespace {

// GDI boxes exclude their right and bottom edge; a Qt rectangle outlined with a one-pixel pen
// covers x .. x + width, so the box shrinks by one pixel.
QRect boxOf(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

}  // namespace

QColor rgbToQColor(TColor color, int alpha) {
    return QColor(redOf(color), greenOf(color), blueOf(color), alpha);
}

QColor TQtCanvas::resolve(TColor color) const {
    // The button face is the only system colour in use.
    if (isSystemColor(color)) return faceColor();
    return rgbToQColor(color);
}

void TQtCanvas::draw(const std::function<void(QPainter&)>& drawing) {
    paintWith([&](QPainter& painter) {
        QPen pen(resolve(m_penColor));
        pen.setWidth(hairlineOutlines() ? 0 : 1);
        painter.setPen(pen);
        painter.setBrush(resolve(m_brushColor));
        drawing(painter);
    });
}

void TQtCanvas::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    draw([&](QPainter& painter) { painter.drawRect(boxOf(x1, y1, x2, y2)); });
}

void TQtCanvas::ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    draw([&](QPainter& painter) { painter.drawEllipse(boxOf(x1, y1, x2, y2)); });
}

void TQtCanvas::pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    // QPainter takes sixteenths of a degree. Start and end are rounded alike, so that the
    // wedges of a fan meet without gap or overlap.
    const TPieWedge wedge = pieWedge(x1, y1, x2, y2, x3, y3, x4, y4);
    const auto start = static_cast<int>(std::lround(wedge.startDegrees * 16));
    const auto span = static_cast<int>(std::lround(wedge.endDegrees * 16)) - start;
    draw([&](QPainter& painter) { painter.drawPie(boxOf(x1, y1, x2, y2), start, span); });
}

void TQtCanvas::moveTo(std::int32_t x, std::int32_t y) {
    m_penX = x;
    m_penY = y;
}

void TQtCanvas::lineTo(std::int32_t x, std::int32_t y) {
    draw([&](QPainter& painter) { painter.drawLine(m_penX, m_penY, x, y); });
    moveTo(x, y);
}

void TQtCanvas::textOut(std::int32_t x, std::int32_t y, const std::string& text) {
    QFont font(QString::fromStdString(m_font.name));
    font.setStyleHint(QFont::SansSerif);
    if (unitsPerPoint() > 0) {
        font.setPixelSize(static_cast<int>(std::lround(m_font.size * unitsPerPoint())));
    } else {
        font.setPointSize(m_font.size);
    }
    font.setBold(m_font.bold);
    font.setItalic(m_font.italic);
    font.setUnderline(m_font.underline);
    font.setStrikeOut(m_font.strikeOut);
    // The library's texts are Windows-1252, as in its files.
    const QString shown = QString::fromStdString(ansiToUtf8(text));
    draw([&](QPainter& painter) {
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QRect cell(x, y, metrics.horizontalAdvance(shown), metrics.height());
        painter.fillRect(cell, resolve(m_brushColor));
        painter.setPen(resolve(m_font.color));
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, shown);
    });
}

void TPainterCanvas::paintWith(const std::function<void(QPainter&)>& draw) {
    m_painter.save();
    draw(m_painter);
    m_painter.restore();
}
