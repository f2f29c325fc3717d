// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/diskExport.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "app/platform/qtCanvas.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/grayTable.h"
#include "lesson/shownDisk.h"

namespace {

constexpr double kPrintedDiameterMm = 120.0;
constexpr int kWordsPerColumn = 8;
// The worksheet's left and right margin, and the gap between two columns of words.
constexpr double kMarginMm = 20.0;
constexpr double kColumnGapMm = 4.0;

// Scales the painter down, never up, so that content of the given width fits between the
// margins.
void shrinkToWidth(QPainter& painter, double width) {
    const double room = 210.0 - 2 * kMarginMm;
    if (width > room) painter.scale(room / width, room / width);
}

}  // namespace

QImage renderDiskImage(const TShownDisk& shownDisk, int size, QColor face) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPainterCanvas canvas(painter, size, size, face);
    shownDisk.paintShownDisk(canvas);
    return image;
}

void printWorksheet(const TGray& gray, QPrinter& printer, QColor face) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter(&printer);
    // Millimetres from the paper's top-left corner, whatever the printer's resolution.
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const double pixelsPerMm = paper.width() / 210.0;
    painter.translate(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    painter.scale(pixelsPerMm, pixelsPerMm);

    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPixelSize(7);
    heading.setBold(true);
    painter.setFont(heading);
    const QString title = QString::fromStdString(worksheetHeading(gray.cycle()));
    painter.save();
    painter.translate(kMarginMm, 22.5);  // the baseline
    shrinkToWidth(painter, QFontMetricsF(heading).horizontalAdvance(title));
    painter.drawText(QPointF(0, 0), title);
    painter.restore();

    QFont words(QStringLiteral("DejaVu Sans Mono"));
    words.setPixelSize(4);
    painter.setFont(words);
    const std::vector<std::string>& kept = gray.cycle().words();
    QStringList entries;
    double widest = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        entries << QStringLiteral("%1  %2").arg(i + 1, 2).arg(QString::fromStdString(kept[i]));
        widest = std::max(widest, QFontMetricsF(words).horizontalAdvance(entries.back()));
    }
    // Columns as wide as the widest entry, a gap apart; narrowed as a whole where they would
    // not fit between the margins.
    const double pitch = widest + kColumnGapMm;
    const auto columns = static_cast<double>((kept.size() + kWordsPerColumn - 1) / kWordsPerColumn);
    painter.save();
    painter.translate(kMarginMm, 32);
    shrinkToWidth(painter, columns * pitch - kColumnGapMm);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const double x = pitch * static_cast<double>(i / kWordsPerColumn);
        const double y = 5.5 * static_cast<double>(i % kWordsPerColumn);
        painter.drawText(QPointF(x, y), entries[i]);
    }
    painter.restore();

    // The disk is drawn at its window size and scaled to its true diameter.
    painter.translate((210.0 - kPrintedDiameterMm) / 2, 90);
    painter.scale(kPrintedDiameterMm / kDesignedDiskSize, kPrintedDiameterMm / kDesignedDiskSize);
    TPainterCanvas canvas(painter, kDesignedDiskSize, kDesignedDiskSize, face);
    gray.paintDisk(canvas);
}
