// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paperPages.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "app/platform/qtCanvas.h"
#include "lesson/worksheet.h"

namespace {

// The PDF's resolution: fine enough that a rounded device pixel costs no visible accuracy.
constexpr int kPdfDotsPerInch = 1200;

// Paints the pages on device, whose painter's origin is the paper's top-left corner and which
// has dotsPerInch device pixels to the inch; false when the device cannot be painted on.
bool paintPages(QPagedPaintDevice& device, int dotsPerInch, int pageCount,
                const TPagePainter& paintPage) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    // The engine's unit is 0.1 mm, 254 of them to the inch.
    painter.scale(dotsPerInch / 254.0, dotsPerInch / 254.0);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0) device.newPage();
        TPainterCanvas canvas(painter, kSheetWidth, kSheetHeight, Qt::white, kSheetUnitsPerPoint);
        paintPage(canvas, page);
    }
    return painter.end();
}

}  // namespace

QPageLayout a4WithoutMargins() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

void printA4Pages(QPrinter& printer, const QString& name, int pageCount,
                  const TPagePainter& paintPage) {
    printer.setFullPage(true);
    printer.setPageLayout(a4WithoutMargins());
    printer.setDocName(name);
    paintPages(printer, printer.resolution(), pageCount, paintPage);
}

bool writeA4Pdf(const QString& fileName, const QString& title, int pageCount,
                const TPagePainter& paintPage) {
    QPdfWriter pdf(fileName);
    pdf.setPageLayout(a4WithoutMargins());
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Zyklora"));
    return paintPages(pdf, kPdfDotsPerInch, pageCount, paintPage);
}
