// SPDX-License-Identifier: GPL-3.0-or-later
// A run of appends costs one step each: after an append the cursor stands just before the
// last element. Time per element should stay flat as the list grows.
#include <benchmark/benchmark.h>

#include "lib/listClss.h"

namespace {

void BM_ListAppend(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        TListe list;
        for (std::int32_t i = 0; i < count; ++i) {
            benchmark::DoNotOptimize(list.append(std::make_unique<TString>("0101")));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListAppend)->Arg(4096)->Arg(65535);

// elementAt walks from the first element, so reading every element by index is quadratic.
void BM_ListElementAtAll(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    TListe list;
    for (std::int32_t i = 0; i < count; ++i) {
        benchmark::DoNotOptimize(list.append(std::make_unique<TString>("0101")));
    }
    for (auto _ : state) {
        for (std::int32_t i = 0; i < count; ++i) benchmark::DoNotOptimize(list.elementAt(i));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ListElementAtAll)->Arg(64)->Arg(256)->Arg(1024)->Complexity(benchmark::oNSquared);

}  // namespace
