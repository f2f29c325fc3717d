// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/glyphs.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QSvgRenderer>
#include <functional>

#include "app/platform/theme.h"

namespace {

constexpr int kGlyphSize = 16;

// The outline colour of every picture: dark on a light button face, light on a dark one, so
// that each picture's edge stands out from the face by at least 3:1.
QColor inkOn(const QColor& face) {
    return isDarkFace(face) ? QColor(235, 235, 235) : QColor(30, 30, 30);
}

QImage greyed(const QImage& picture) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QColor color = result.pixelColor(x, y);
            // Lightened grey, as disabled toolbar pictures are shown.
            const int grey = 128 + qGray(color.rgb()) / 2;
            result.setPixelColor(x, y, QColor(grey, grey, grey, color.alpha()));
        }
    }
    return result;
}

using GlyphDrawing = std::function<void(QPainter&, const QColor& ink)>;

// Draws a picture designed on a 16 x 16 grid as vectors at whatever size, device pixel ratio
// and zoom it is asked for, with the ink of the application's current button face.
class TGlyphEngine : public QIconEngine {
public:
    explicit TGlyphEngine(GlyphDrawing draw) : m_draw(std::move(draw)) {}

    QIconEngine* clone() const override { return new TGlyphEngine(m_draw); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size.width() / double(kGlyphSize), size.height() / double(kGlyphSize));
            m_draw(painter, inkOn(QApplication::palette().color(QPalette::Button)));
        }
        return QPixmap::fromImage(mode == QIcon::Disabled ? greyed(picture) : picture);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap shown = pixmap(rect.size() * ratio, mode, state);
        shown.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), shown);
    }

private:
    GlyphDrawing m_draw;
};

QIcon glyph(GlyphDrawing draw) { return QIcon(new TGlyphEngine(std::move(draw))); }

// A question mark filled with color and outlined with ink, legible on either face.
void drawQuestionMark(QPainter& painter, const QRectF& box, const QColor& color,
                      const QColor& ink) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(box.height()));
    const QFontMetricsF metrics(font);
    const QRectF shape = metrics.tightBoundingRect(QStringLiteral("?"));
    QPainterPath mark;
    mark.addText(box.center() - shape.center(), font, QStringLiteral("?"));
    painter.setPen(QPen(ink, 0.8));
    painter.setBrush(color);
    painter.drawPath(mark);
}

// A wooden door leaf of the given outline with its golden knob.
void drawDoorLeaf(QPainter& painter, const QColor& ink, const QPolygonF& leaf, const QRectF& knob) {
    painter.setPen(QPen(ink, 1));
    painter.setBrush(QColor(170, 100, 40));
    painter.drawPolygon(leaf);
    painter.setBrush(QColor(240, 200, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(knob);
}

}  // namespace

QIcon infoGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        // Two pages of an open book, opened towards the viewer.
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::white);
        QPolygonF left({{1, 10}, {8, 11.5}, {8, 15.5}, {1, 14}});
        QPolygonF right({{8, 11.5}, {15, 10}, {15, 14}, {8, 15.5}});
        painter.drawPolygon(left);
        painter.drawPolygon(right);
        drawQuestionMark(painter, QRectF(3, -1, 10, 12), QColor(220, 0, 0), ink);
    });
}

QIcon helpGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(QColor(255, 220, 0));
        painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        drawQuestionMark(painter, QRectF(2, 1.5, 12, 13), QColor(220, 0, 0), ink);
    });
}

QIcon exitGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        // The door frame with the dark opening behind it.
        painter.setPen(QPen(ink, 1));
        painter.setBrush(QColor(30, 30, 30));
        painter.drawRect(QRectF(4.5, 1.5, 9, 14));
        // The door leaf, swung open towards the viewer.
        drawDoorLeaf(painter, ink, QPolygonF({{4.5, 1.5}, {9.5, 3.5}, {9.5, 15.5}, {4.5, 15.5}}),
                     QRectF(7.5, 8.5, 1.5, 1.5));
    });
}

QIcon okGlyph() {
    return glyph([](QPainter& painter, const QColor&) {
        QPainterPath tick;
        tick.moveTo(2, 8.5);
        tick.lineTo(6, 12.5);
        tick.lineTo(14, 3.5);
        painter.setPen(QPen(QColor(0, 150, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
    });
}

QIcon saveGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(QColor(50, 90, 190));
        painter.drawRect(QRectF(1.5, 1.5, 13, 13));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(3.5, 1.5, 9, 6));
        painter.setBrush(QColor(200, 200, 200));
        painter.drawRect(QRectF(4.5, 10.5, 7, 4));
    });
}

QIcon printGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));
        painter.setBrush(QColor(150, 150, 150));
        painter.drawRect(QRectF(1.5, 6.5, 13, 6));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 10.5, 7, 4.5));
        painter.setPen(QColor(0, 150, 0));
        painter.drawPoint(QPointF(12.5, 8.5));
    });
}

QIcon copyGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(1.5, 1.5, 8, 10));
        painter.drawRect(QRectF(6.5, 4.5, 8, 10));
        painter.setPen(QColor(40, 90, 200));
        for (double y : {7.5, 9.5, 11.5}) painter.drawLine(QPointF(8, y), QPointF(13, y));
    });
}

QIcon readHeadGlyph(const QColor& head) {
    return glyph([head](QPainter& painter, const QColor& ink) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        painter.setBrush(QColor(30, 30, 30));
        painter.drawPie(QRectF(0.5, 0.5, 15, 15), 90 * 16, 90 * 16);
        painter.drawPie(QRectF(4, 4, 8, 8), 180 * 16, 90 * 16);
        // The head along the radius at 3 o'clock, with its sensors.
        painter.setPen(QPen(head, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 8), QPointF(15.5, 8));
        painter.setBrush(head);
        for (double x : {10.0, 14.0}) painter.drawEllipse(QPointF(x, 8), 1.2, 1.2);
    });
}

QIcon constructionGlyph(const QColor& prefix) {
    return glyph([prefix](QPainter& painter, const QColor& ink) {
        // A short list above the dashed mirror line and its mirror image below, each word led
        // by its prefix bit.
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(1.5, 0.5, 13, 15));
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        for (const double y : {3.0, 5.5, 10.5, 13.0}) {
            painter.setPen(QPen(prefix, 1.6));
            painter.drawLine(QPointF(3.5, y), QPointF(5, y));
            painter.setPen(QPen(ink, 1.2));
            painter.drawLine(QPointF(7, y), QPointF(12.5 - (y > 8 ? 13.0 - y : y - 3.0), y));
        }
    });
}

QIcon practiceGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        // A card with a question and a green tick.
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(1.5, 1.5, 13, 13));
        drawQuestionMark(painter, QRectF(2.5, 2, 6, 8), QColor(220, 0, 0), ink);
        painter.setPen(QPen(QColor(0, 140, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(8, 10), QPointF(10, 12.5), QPointF(14, 6)}));
    });
}

QIcon worksheetGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(2.5, 0.5, 11, 15));
        // A quarter of the disk shaded, and two lines for a name.
        painter.drawEllipse(QRectF(4.5, 2.5, 7, 7));
        painter.setBrush(ink);
        painter.drawPie(QRectF(4.5, 2.5, 7, 7), 0, 90 * 16);
        painter.setPen(QPen(QColor(40, 90, 200), 1));
        for (const double y : {11.5, 13.5}) painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    });
}

QIcon buildDiskGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(QColor(200, 170, 110));  // plywood
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.setBrush(ink);
        painter.drawPie(QRectF(3.5, 3.5, 9, 9), 30 * 16, 100 * 16);
        painter.drawPie(QRectF(3.5, 3.5, 9, 9), 210 * 16, 60 * 16);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(6.5, 6.5, 3, 3));
    });
}

QIcon closeGlyph() {
    return glyph([](QPainter& painter, const QColor& ink) {
        drawDoorLeaf(painter, ink, QPolygonF(QRectF(1.5, 1.5, 7, 14)), QRectF(6, 8, 1.5, 1.5));
        QPainterPath arrow;
        arrow.moveTo(8, 8.5);
        arrow.lineTo(14.5, 8.5);
        arrow.moveTo(11.5, 5.5);
        arrow.lineTo(14.5, 8.5);
        arrow.lineTo(11.5, 11.5);
        painter.setPen(QPen(QColor(0, 150, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arrow);
    });
}

QImage subjectsPicture() {
    QImage picture(200, 147, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(30);
    painter.setFont(font);
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(QRect(0, 14, 200, 55), Qt::AlignCenter, QStringLiteral("Mathematik"));
    painter.drawText(QRect(0, 78, 200, 55), Qt::AlignCenter, QStringLiteral("Informatik"));
    return picture;
}

QIcon programIcon() {
    QSvgRenderer renderer(QStringLiteral(":/zyklora.svg"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
