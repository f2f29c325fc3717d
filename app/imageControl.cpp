#include "app/imageControl.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/pieAngles.h"

namespace {

// GDI boxes exclude their right and bottom edge; a Qt rectangle outlined with a one-pixel pen
// covers x .. x + width, so the box shrinks by one pixel.
QRect boxOf(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

}  // namespace

std::int32_t TImageCanvas::width() const { return m_image.width(); }
std::int32_t TImageCanvas::height() const { return m_image.height(); }

QColor TImageCanvas::resolve(TColor color) const {
    // The button face is the only system colour in use; it is the windows' background, unless
    // that is so dark that black drawn on it could not be told apart.
    if (isSystemColor(color)) {
        const QColor face = m_image.palette().color(QPalette::Window);
        return face.lightness() < kDarkFaceLightness ? kLightFace : face;
    }
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

template <typename Draw>
void TImageCanvas::paint(Draw draw) {
    {
        QPainter painter(&m_image.bitmapForDrawing());
        QPen pen(resolve(m_penColor));
        pen.setWidth(1);
        painter.setPen(pen);
        painter.setBrush(resolve(m_brushColor));
        draw(painter);
    }
    m_image.update();
}

void TImageCanvas::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    paint([&](QPainter& painter) { painter.drawRect(boxOf(x1, y1, x2, y2)); });
}

void TImageCanvas::ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    paint([&](QPainter& painter) { painter.drawEllipse(boxOf(x1, y1, x2, y2)); });
}

void TImageCanvas::pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    const PieAngles angles = pieAnglesFromRays((x1 + x2) / 2.0, (y1 + y2) / 2.0, x3, y3, x4, y4);
    paint([&](QPainter& painter) {
        painter.drawPie(boxOf(x1, y1, x2, y2), angles.start, angles.span);
    });
}

void TImageCanvas::moveTo(std::int32_t x, std::int32_t y) {
    m_penX = x;
    m_penY = y;
}

void TImageCanvas::lineTo(std::int32_t x, std::int32_t y) {
    paint([&](QPainter& painter) { painter.drawLine(m_penX, m_penY, x, y); });
    moveTo(x, y);
}

void TImageCanvas::textOut(std::int32_t x, std::int32_t y, const std::string& text) {
    QFont font(QString::fromStdString(m_font.name));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(m_font.size);
    font.setBold(m_font.bold);
    font.setItalic(m_font.italic);
    font.setUnderline(m_font.underline);
    font.setStrikeOut(m_font.strikeOut);
    const QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    paint([&](QPainter& painter) {
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QRect cell(x, y, metrics.horizontalAdvance(shown), metrics.height());
        painter.fillRect(cell, resolve(m_brushColor));
        painter.setPen(resolve(m_font.color));
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, shown);
    });
}

TImageControl::TImageControl(QWidget* parent) : QWidget(parent) {}

QImage& TImageControl::bitmapForDrawing() {
    if (m_picture.isNull()) {
        m_picture = QImage(size(), QImage::Format_RGB32);
        m_picture.fill(Qt::white);
    }
    return m_picture;
}

void TImageControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}
