// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/focusRing.h"

#include <QApplication>
#include <QPainter>

#include "app/platform/theme.h"

namespace {

constexpr int kWidth = 2;
// Dark magenta on a light face, amber on a dark one: both at least 3:1 against the face.
const QColor kOnLight(0xB0, 0x00, 0x60);
const QColor kOnDark(0xFF, 0xC1, 0x4D);

}  // namespace

TFocusRing::TFocusRing(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        m_target = now;
        follow();
    });
}

void TFocusRing::follow() {
    QWidget* area = parentWidget();
    if (!m_target || !area->isAncestorOf(m_target)) {
        hide();
        return;
    }
    const QRect target(m_target->mapTo(area, QPoint(0, 0)), m_target->size());
    setGeometry(target.adjusted(-2 * kWidth, -2 * kWidth, 2 * kWidth, 2 * kWidth));
    raise();
    show();
}

void TFocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool dark = isDarkFace(palette().color(QPalette::Window));
    painter.setPen(QPen(dark ? kOnDark : kOnLight, kWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}
