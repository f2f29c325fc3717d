#include "app/platform/memo.h"

#include <QWheelEvent>

#include "app/platform/zoomArea.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

void TMemo::wheelEvent(QWheelEvent* event) {
    if (!leftToZoom(event)) QPlainTextEdit::wheelEvent(event);
}
