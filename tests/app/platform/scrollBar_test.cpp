// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/scrollBar.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

// The bar rendered into an image of device pixel ratio 2, as on a high-density screen.
QImage rendered(QScrollBar& bar) {
    QImage image(bar.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    bar.render(&image);
    return image;
}

TEST(TScrollBar, KeptRenderingEqualsAFreshOneAndFollowsTheValue) {
    TScrollBar kept(Qt::Vertical);
    QScrollBar plain(Qt::Vertical);
    for (QScrollBar* bar : {static_cast<QScrollBar*>(&kept), &plain}) {
        bar->resize(16, 300);
        bar->setRange(0, 100);
        bar->setPageStep(10);
    }
    // A repeated value is shown from the kept rendering, a changed one drawn anew.
    for (const int value : {0, 0, 60, 60, 100}) {
        kept.setValue(value);
        plain.setValue(value);
        EXPECT_EQ(rendered(kept), rendered(plain)) << value;
    }
}

}  // namespace
