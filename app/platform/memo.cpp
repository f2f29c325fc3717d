// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/memo.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "app/platform/scrollBar.h"
#include "app/platform/zoomArea.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBar(new TScrollBar(Qt::Vertical));
    setHorizontalScrollBar(new TScrollBar(Qt::Horizontal));
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

void TMemo::wheelEvent(QWheelEvent* event) {
    if (!leftToZoom(event)) QPlainTextEdit::wheelEvent(event);
}

void TMemo::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    emit lineClicked(cursorForPosition(event->position().toPoint()).blockNumber());
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    if (m_lineStepping && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit lineStepped(event->key() == Qt::Key_Down ? 1 : -1);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
