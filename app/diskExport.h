// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class TShownDisk;

// The code disk shown in the window as a bitmap of any size, drawn by the engine through a
// canvas with face as the button-face colour: the disk that the window shows (shownDisk, the
// read head's model: the binary disk or a turned ring where the head shows them).

// The largest bitmap the user may ask for.
inline constexpr int kMaxDiskImageSize = 4000;

// The disk shown as a size x size image.
QImage renderDiskImage(const TShownDisk& shownDisk, int size, QColor face);
