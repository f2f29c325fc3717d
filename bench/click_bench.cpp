// One OK click for 64 words up to a fully repainted main window, rendered offscreen.
#include <benchmark/benchmark.h>

#include <QImage>

#include "app/GrayMain.h"
#include "app/platform/spinEdit.h"

namespace {

void BM_ClickToDisk64(benchmark::State& state) {
    TFormMain form;
    QImage frame(form.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        form.SpinEdit->setValue(64);
        form.BitBtnClick();
        form.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_ClickToDisk64)->Unit(benchmark::kMillisecond);

}  // namespace
