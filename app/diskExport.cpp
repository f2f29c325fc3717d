#include "app/diskExport.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include "app/platform/qtCanvas.h"
#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"
#include "gray/grayTable.h"

namespace {

constexpr double kPrintedDiameterMm = 120.0;
constexpr int kWordsPerColumn = 8;

void paintDiskOn(TGray& gray, QPainter& painter, int size, QColor face) {
    TPainterCanvas canvas(painter, size, size, face);
    gray.paintDisk(canvas);
}

}  // namespace

QImage renderDiskImage(TGray& gray, int size, QColor face) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDiskOn(gray, painter, size, face);
    return image;
}

bool writeDiskSvg(TGray& gray, const QString& fileName, QColor face) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(kWindowDiskSize, kWindowDiskSize));
    svg.setViewBox(QRect(0, 0, kWindowDiskSize, kWindowDiskSize));
    svg.setTitle(QString::fromStdString(diskTitle(gray)));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paintDiskOn(gray, painter, kWindowDiskSize, face);
    painter.end();
    return file.error() == QFileDevice::NoError;
}

void printWorksheet(TGray& gray, QPrinter& printer, QColor face) {
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
    painter.drawText(QRectF(20, 15, 170, 10), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(worksheetHeading(gray)));

    QFont words(QStringLiteral("DejaVu Sans Mono"));
    words.setPixelSize(4);
    painter.setFont(words);
    const std::vector<std::string> kept = keptWords(gray);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const double x = 20 + 21.0 * static_cast<double>(i / kWordsPerColumn);
        const double y = 32 + 5.5 * static_cast<double>(i % kWordsPerColumn);
        painter.drawText(QPointF(x, y), QStringLiteral("%1  %2").arg(i + 1, 2).arg(
                                            QString::fromStdString(kept[i])));
    }

    // The disk is drawn at its window size and scaled to its true diameter.
    painter.translate((210.0 - kPrintedDiameterMm) / 2, 90);
    painter.scale(kPrintedDiameterMm / kWindowDiskSize, kPrintedDiameterMm / kWindowDiskSize);
    paintDiskOn(gray, painter, kWindowDiskSize, face);
}
