// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>

// The pictures of the main window's buttons, drawn in code at 16 x 16 pixels, each with a
// greyed picture for the disabled state.

// A red question mark over an open book.
QIcon infoGlyph();
// A red question mark in a yellow circle.
QIcon helpGlyph();
// An open door.
QIcon exitGlyph();
// A green tick.
QIcon okGlyph();
// A blue floppy disk: save the code disk.
QIcon saveGlyph();
// A printer with a sheet: print the worksheet.
QIcon printGlyph();
// Two sheets of a table: copy the table.
QIcon copyGlyph();
// A small code disk with a read head of colour head along one radius.
QIcon readHeadGlyph(const QColor& head);
// A list and its mirror image under a dashed line, prefix bits in colour prefix: the
// construction of the code.
QIcon constructionGlyph(const QColor& prefix);
// A card with a question mark and a green tick: practice.
QIcon practiceGlyph();
// A sheet with a small disk and lines to write on: the worksheets.
QIcon worksheetGlyph();
// "Scheibe bauen": a slit disk on its shaft.
QIcon buildDiskGlyph();
// A door with a green arrow leading out: the close button's picture.
QIcon closeGlyph();

// The about box's picture, 200 x 147: "Mathematik" and "Informatik" in red letters on white.
QImage subjectsPicture();
// The program's icon: a small code disk, from the SVG file installed for the desktop.
QIcon programIcon();
