// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/glyphs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Relative luminance as the web's contrast guidelines define it.
double luminance(QColor color) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double contrast(QColor a, QColor b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The median contrast against face of the picture's edge: its opaque pixels next to
// transparent ones, as seen on the button face.
double edgeContrast(const QIcon& icon, QColor face) {
    const QImage picture =
        icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage shown(picture.size(), QImage::Format_RGB32);
    shown.fill(face);
    QPainter(&shown).drawImage(0, 0, picture);
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < picture.width() && y < picture.height() &&
               qAlpha(picture.pixel(x, y)) >= 128;
    };
    std::vector<double> edge;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!opaque(x, y)) continue;
            if (opaque(x - 1, y) && opaque(x + 1, y) && opaque(x, y - 1) && opaque(x, y + 1)) {
                continue;
            }
            edge.push_back(contrast(shown.pixelColor(x, y), face));
        }
    }
    std::nth_element(edge.begin(), edge.begin() + static_cast<long>(edge.size() / 2), edge.end());
    return edge.empty() ? 0 : edge[edge.size() / 2];
}

TEST(Glyphs, ToolbarPicturesStandOutFromLightAndDarkFacesByThreeToOne) {
    const QPalette original = QApplication::palette();
    for (const QColor face : {QColor(0xEF, 0xEF, 0xEF), QColor(0x35, 0x35, 0x35)}) {
        QPalette theme = original;
        theme.setColor(QPalette::Button, face);
        QApplication::setPalette(theme);
        const std::pair<const char*, QIcon> pictures[] = {
            {"info", infoGlyph()}, {"help", helpGlyph()},   {"exit", exitGlyph()},
            {"save", saveGlyph()}, {"print", printGlyph()}, {"copy", copyGlyph()}};
        for (const auto& [name, icon] : pictures) {
            EXPECT_GE(edgeContrast(icon, face), 3.0) << name << " on " << face.name().toStdString();
        }
    }
    QApplication::setPalette(original);
}

TEST(Glyphs, PicturesAreDrawnSharpAtTheAskedDeviceRatio) {
    const QPixmap large = exitGlyph().pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(large.size(), QSize(32, 32));
    // Drawn anew at 32 pixels, not enlarged: some 2 x 2 block is split by an edge.
    const QImage image = large.toImage();
    bool split = false;
    for (int y = 0; y < 32; y += 2) {
        for (int x = 0; x < 32; x += 2) {
            split = split || image.pixel(x, y) != image.pixel(x + 1, y + 1);
        }
    }
    EXPECT_TRUE(split);
}

}  // namespace
