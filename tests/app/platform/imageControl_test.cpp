// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/imageControl.h"

#include <gtest/gtest.h>

#include <QImage>

#include "lib/baseClss.h"

namespace {

// The black pixels' bounding box, or an empty rectangle.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 0)) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

TEST(TImageCanvas, PaintedCharacterStandsBelowAndRightOfItsCorner) {
    TImageControl image;
    image.resize(60, 60);
    image.canvas().setBrushColor(rgbColor(255, 255, 255));
    TChar('A').paintValue(image.canvas(), 10, 20);
    const QRect ink = inkOf(image.picture());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 10);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.right(), 25);
    EXPECT_LE(ink.bottom(), 36);
}

TEST(TImageCanvas, CharactersPaintAsWindows1252) {
    // In Windows-1252 these are €, Š and Ÿ; read as Latin-1 they would be invisible controls.
    for (const char byte : {'\x80', '\x8A', '\x9F'}) {
        TImageControl image;
        image.resize(60, 60);
        image.canvas().setBrushColor(rgbColor(255, 255, 255));
        TChar(byte).paintValue(image.canvas(), 10, 20);
        EXPECT_FALSE(inkOf(image.picture()).isEmpty()) << static_cast<int>(byte);
    }
}

}  // namespace
