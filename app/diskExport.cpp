// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/diskExport.h"

#include <QPainter>

#include "app/platform/qtCanvas.h"
#include "lesson/shownDisk.h"

QImage renderDiskImage(const TShownDisk& shownDisk, int size, QColor face) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPainterCanvas canvas(painter, size, size, face);
    shownDisk.paintShownDisk(canvas);
    return image;
}
