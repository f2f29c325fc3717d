// SPDX-License-Identifier: GPL-3.0-or-later
// One OK click's engine work for the largest count the window offers, and for the largest
// count the engine accepts.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "gray/GrayUnit.h"
#include "gray/grayWindow.h"

namespace {

class DiscardingWindow : public TGrayWindow {
public:
    void appendListingLine(const std::string& text) override { benchmark::DoNotOptimize(text); }
    TCanvas& diskImage() override { throw std::logic_error("the benchmark draws no disk"); }
};

void BM_GrayGenerate(benchmark::State& state) {
    DiscardingWindow window;
    GrayWindow = &window;
    for (auto _ : state) {
        TGray gray(static_cast<std::int32_t>(state.range(0)));
        gray.generate();
    }
    GrayWindow = nullptr;
}
BENCHMARK(BM_GrayGenerate)->Arg(64)->Arg(TGray::kMaxCodeCount);

}  // namespace
