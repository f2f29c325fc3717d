// SPDX-License-Identifier: GPL-3.0-or-later
// One OK click for 64 words up to a fully repainted main window, rendered offscreen, on a
// screen of device pixel ratio 1 and of ratio 2.
#include <benchmark/benchmark.h>

#include <QImage>

#include "app/GrayMain.h"
#include "app/platform/spinEdit.h"

namespace {

void clickToDisk(benchmark::State& state, qreal ratio) {
    TFormMain form;
    QImage frame(form.size() * ratio, QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    // The first rendering makes the disk's bitmap for the ratio; every click then draws on it.
    form.render(&frame);
    for (auto _ : state) {
        form.SpinEdit->setValue(64);
        form.BitBtnClick();
        form.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_ClickToDisk64(benchmark::State& state) { clickToDisk(state, 1); }
BENCHMARK(BM_ClickToDisk64)->Unit(benchmark::kMillisecond);

void BM_ClickToDisk64Dpr2(benchmark::State& state) { clickToDisk(state, 2); }
BENCHMARK(BM_ClickToDisk64Dpr2)->Unit(benchmark::kMillisecond);

}  // namespace
