// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPrinter;
class TGray;

// The code disk of a table outside the window: as a bitmap of any size, as an SVG drawing and
// on a printed worksheet. Each is drawn by the engine's paintDisk through a canvas on its
// device, with face as the button-face colour, so it is the disk the window shows.

// The disk's size in the window, and the largest bitmap the user may ask for.
inline constexpr int kWindowDiskSize = 700;
inline constexpr int kMaxDiskImageSize = 4000;

// The disk as a size x size image.
QImage renderDiskImage(TGray& gray, int size, QColor face);
// Writes the disk as a 700 x 700 SVG drawing; false when the file cannot be written.
bool writeDiskSvg(TGray& gray, const QString& fileName, QColor face);
// Prints one A4 page: a heading with the count, the kept words in columns and the disk with a
// diameter of 12 cm, all as vectors.
void printWorksheet(TGray& gray, QPrinter& printer, QColor face);
