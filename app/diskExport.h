// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPrinter;
class TGray;
class TShownDisk;

// The code disk of a table outside the window: as a bitmap of any size, as an SVG drawing and
// on a printed worksheet. Each is drawn by the engine through a canvas on its device, with face
// as the button-face colour. Pictures show the disk that the window shows (shownDisk, the read
// head's model: the binary disk or a turned ring where the head shows them); the worksheet
// shows the table's Gray disk beside its words.

// The largest bitmap the user may ask for.
inline constexpr int kMaxDiskImageSize = 4000;

// The disk shown as a size x size image.
QImage renderDiskImage(const TShownDisk& shownDisk, int size, QColor face);
// Prints one A4 page: a heading with the count, the kept words in columns and the disk with a
// diameter of 12 cm, all as vectors.
void printWorksheet(const TGray& gray, QPrinter& printer, QColor face);
