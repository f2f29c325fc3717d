// SPDX-License-Identifier: GPL-3.0-or-later
// zyklora_bench: Google Benchmark's table, then a summary of the ratios that the speed goals
// are stated in. Every figure is a ratio within the same run, so a noisy machine affects both
// sides alike.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "io/treeFile.h"
#include "lib/libraryClasses.h"

namespace {

// Passes every run on to the reporter that shows it, and keeps the real and the CPU time per
// iteration of each benchmark (the median where there are repetitions, which a noisy neighbour
// moves least).
class CollectingReporter : public benchmark::BenchmarkReporter {
public:
    explicit CollectingReporter(std::unique_ptr<benchmark::BenchmarkReporter> shown)
        : m_shown(std::move(shown)) {
        m_shown->SetOutputStream(&std::cout);
        m_shown->SetErrorStream(&std::cerr);
    }

    bool ReportContext(const Context& context) override { return m_shown->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const double toNanoseconds = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.aggregate_name.empty() || run.aggregate_name == "median") {
                m_nanoseconds[run.run_name.str()] = run.GetAdjustedRealTime() * toNanoseconds;
                m_cpuNanoseconds[run.run_name.str()] = run.GetAdjustedCPUTime() * toNanoseconds;
                for (const auto& [counter, value] : run.counters) {
                    m_counters[run.run_name.str() + "/" + counter] = value;
                }
            } else if (run.aggregate_name == "min") {
                m_minNanoseconds[run.run_name.str()] = run.GetAdjustedRealTime() * toNanoseconds;
            }
        }
        m_shown->ReportRuns(runs);
    }
    void Finalize() override { m_shown->Finalize(); }

    // Nanoseconds per iteration, or 0 when the benchmark did not run.
    double time(const std::string& name) const { return lookUp(m_nanoseconds, name); }
    double cpuTime(const std::string& name) const { return lookUp(m_cpuNanoseconds, name); }
    // The benchmark's counter (the median where there are repetitions), or 0.
    double counter(const std::string& name, const std::string& counter) const {
        return lookUp(m_counters, name + "/" + counter);
    }
    // The fastest repetition where the benchmark asks for it ("min"), else time(name).
    double fastest(const std::string& name) const {
        const double least = lookUp(m_minNanoseconds, name);
        return least > 0 ? least : time(name);
    }

private:
    std::unique_ptr<benchmark::BenchmarkReporter> m_shown;
    static double lookUp(const std::map<std::string, double>& times, const std::string& name) {
        const auto found = times.find(name);
        return found == times.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> m_nanoseconds;
    std::map<std::string, double> m_cpuNanoseconds;
    std::map<std::string, double> m_minNanoseconds;
    std::map<std::string, double> m_counters;
};

std::unique_ptr<benchmark::BenchmarkReporter> reporterFor(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--benchmark_format=json") == 0) {
            return std::make_unique<benchmark::JSONReporter>();
        }
    }
    return std::make_unique<benchmark::ConsoleReporter>();
}

// "name: 1.23 (goal >= 1.00)"; a ratio of 0 means one side did not run.
void ratio(std::FILE* out, const char* name, double value, const char* goal) {
    if (value <= 0) return;
    std::fprintf(out, "  %-44s %7.2f   %s\n", name, value, goal);
}

void summarise(const CollectingReporter& runs, std::FILE* out) {
    auto faster = [&](const char* peer, const char* ours) {
        const double mine = runs.time(ours);
        return mine > 0 ? runs.time(peer) / mine : 0.0;
    };
    auto fastestPeerDecoder = [&] {
        double best = 0;
        for (const char* peer :
             {"BM_Decode_Msgpack", "BM_Decode_QCborStreamReader", "BM_Decode_QDataStream"}) {
            const double time = runs.time(peer);
            if (time > 0 && (best == 0 || time < best)) best = time;
        }
        return best;
    };
    auto perItemGrowth = [&](const char* small, double smallCount, const char* large,
                             double largeCount) {
        const double a = runs.time(small) / smallCount;
        return a > 0 ? runs.time(large) / largeCount / a : 0.0;
    };
    // The save's own work per node, with what a raw save of the same bytes costs taken off, in
    // CPU time: the fixed fsync and rename are waiting, which varies far more than the work.
    auto saveGrowthBeyondRaw = [&] {
        const double small =
            (runs.cpuTime("BM_TreeSaveScale/10000") - runs.cpuTime("BM_RawSaveScale/10000")) / 1e4;
        const double large =
            (runs.cpuTime("BM_TreeSaveScale/100000") - runs.cpuTime("BM_RawSaveScale/100000")) /
            1e5;
        return small > 0 && large > 0 ? large / small : 0.0;
    };
    std::fprintf(out, "\nSummary (speed ratios, higher is better for us):\n");
    ratio(out, "TWriter vs msgpack-c packer", faster("BM_Encode_Msgpack", "BM_Encode_TWriter"),
          "goal >= 1.00");
    ratio(out, "TWriter vs QDataStream", faster("BM_Encode_QDataStream", "BM_Encode_TWriter"),
          "goal > 1.00");
    ratio(out, "TWriter vs QCborStreamWriter",
          faster("BM_Encode_QCborStreamWriter", "BM_Encode_TWriter"), "goal > 1.00");
    ratio(out, "TWriter vs memcpy (the physical limit)",
          faster("BM_Encode_Memcpy", "BM_Encode_TWriter"), "(at most 1.00)");
    const double reader = runs.time("BM_Decode_TReader");
    ratio(out, "TReader vs the fastest peer decoder",
          reader > 0 ? fastestPeerDecoder() / reader : 0.0, "goal >= 1.00");
    ratio(out, "tree save vs raw save, in turns", runs.counter("BM_SavePair", "tree_vs_raw"),
          "goal >= 0.80");
    ratio(out, "  the same as two benchmarks", faster("BM_RawSave", "BM_TreeSave"),
          "(swings with the disk)");
    // The loads by their fastest repetitions: their times follow the heap's state, which one
    // slow repetition shows far more than the work does.
    const double treeLoad = runs.fastest("BM_TreeLoad");
    ratio(out, "tree load vs allocating raw load",
          treeLoad > 0 ? runs.fastest("BM_RawLoadAlloc") / treeLoad : 0.0, "goal >= 0.80");
    ratio(out, "per-node save CPU beyond raw, 100k vs 10k", saveGrowthBeyondRaw(),
          "(linear: about 1, at most 1.20)");
    ratio(out, "per-node load time, 100000 vs 10000 nodes",
          perItemGrowth("BM_TreeLoadScale/10000", 1e4, "BM_TreeLoadScale/100000", 1e5),
          "(linear: at most 1.20)");
    ratio(out, "  the same for the allocating raw load",
          perItemGrowth("BM_RawLoadAllocScale/10000", 1e4, "BM_RawLoadAllocScale/100000", 1e5),
          "(for comparison)");
    ratio(out, "per-element append time, 65535 vs 4096",
          perItemGrowth("BM_ListAppend/4096", 4096, "BM_ListAppend/65535", 65535),
          "(linear: about 1)");
    const std::pair<const char*, const char*> clicks[] = {
        {"BM_ClickToDisk64", "OK click for 64 words, repaint included"},
        {"BM_ClickToDisk64Dpr2", "the same at device pixel ratio 2"}};
    for (const auto& [name, label] : clicks) {
        const double click = runs.time(name);
        if (click > 0) {
            std::fprintf(out, "  %-44s %7.2f ms  goal < 16.7 ms (one frame)\n", label, click / 1e6);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    registerLibraryClasses();
    installTreeFiles();
    QApplication application(argc, argv);
    const bool console = [&] {
        for (int i = 1; i < argc; ++i) {
            if (std::strncmp(argv[i], "--benchmark_format=", 19) == 0 &&
                std::strcmp(argv[i], "--benchmark_format=console") != 0) {
                return false;
            }
        }
        return true;
    }();
    CollectingReporter reporter(reporterFor(argc, argv));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    // The summary never mixes into a machine-readable report on standard output.
    summarise(reporter, console ? stdout : stderr);
    return 0;
}
