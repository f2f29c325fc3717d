// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPrinter;
class TCanvas;

// The engine's A4 pages on paper and in PDF files: each page A4 portrait at true size, 0.1 mm
// of the engine being 0.1 mm on the paper whatever the printer's resolution and margins.
// paintPage draws page number i (from 0) of pageCount on a canvas of 2100 x 2970 units.
using TPagePainter = std::function<void(TCanvas& canvas, int page)>;

// A4 portrait without margins: the whole paper is the page, so that the engine's margins are
// the paper's.
QPageLayout a4WithoutMargins();

// Prints the pages on printer as a job named name.
void printA4Pages(QPrinter& printer, const QString& name, int pageCount,
                  const TPagePainter& paintPage);
// Writes the pages to the PDF file fileName titled title; false when it cannot be written.
bool writeA4Pdf(const QString& fileName, const QString& title, int pageCount,
                const TPagePainter& paintPage);
