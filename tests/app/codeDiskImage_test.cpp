// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <numbers>

#include "app/GrayMain.h"
#include "app/platform/imageControl.h"
#include "app/platform/spinEdit.h"
#include "gray/GrayUnit.h"

namespace {

QImage diskFor(TFormMain& form, int count) {
    form.SpinEdit->setValue(count);
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    return form.ImageScheibe->picture();
}

QRgb pixelAt(const QImage& image, double x, double y) {
    return image.pixel(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

TEST(CodeDiskImage, EverySectorOfEveryBandShowsItsBit) {
    for (int count : {4, 10, 64}) {
        SCOPED_TRACE(count);
        TFormMain form;
        const QImage disk = diskFor(form, count);
        ASSERT_EQ(disk.size(), QSize(700, 700));
        const QRgb face = form.palette().color(QPalette::Window).rgb();
        const QRgb black = qRgb(0, 0, 0);

        const int bits = CurrentGray->bitCount();
        const int ringWidth = 700 / (2 * bits + 2);
        TListe& codes = CurrentGray->codes();
        for (int ring = 1; ring <= bits; ++ring) {
            const double radius = 350 - (ring - 1) * ringWidth - ringWidth / 2.0;
            for (int sector = 0; sector < count; ++sector) {
                const double angle = (sector + 0.5) * 2 * std::numbers::pi / count;
                const std::string& word = static_cast<TCode*>(codes.elementAt(sector))->text();
                const bool set = word[static_cast<std::size_t>(bits - ring)] == '1';
                EXPECT_EQ(
                    pixelAt(disk, 350 + radius * std::cos(angle), 350 - radius * std::sin(angle)),
                    set ? black : face)
                    << "ring " << ring << ", sector " << sector;
            }
        }
        EXPECT_EQ(disk.pixel(350, 350), face);                   // centre disc
        EXPECT_EQ(disk.pixel(ringWidth * bits + 4, 340), face);  // just inside its edge
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(699, 0), QPoint(0, 699), QPoint(699, 699)}) {
            EXPECT_EQ(disk.pixel(corner), black) << corner.x() << ',' << corner.y();  // frame
        }
        EXPECT_EQ(disk.pixel(3, 3), face);  // outside the outer ring
    }
}

TEST(CodeDiskImage, SecondClickLeavesNothingOfTheFirstDisk) {
    TFormMain fresh;
    const QImage expected = diskFor(fresh, 4);

    TFormMain form;
    diskFor(form, 64);
    EXPECT_EQ(diskFor(form, 4), expected);
}

}  // namespace
