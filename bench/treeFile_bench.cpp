// SPDX-License-Identifier: GPL-3.0-or-later
// The tree file against plain POSIX file calls doing the same amount of work: the same bytes in
// 4000-byte pieces, written with the same durable protocol (temporary file, fsync, rename).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "lib/treeclss.h"

namespace {

constexpr std::int64_t kTreeNodes = 65535;
constexpr std::size_t kPiece = 4000;

// The fastest repetition, which the summary judges the loads by.
double minimum(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// Gives the heap's free memory back before an iteration, untimed, so that each one allocates
// from the same state rather than from what the one before left behind.
void freshHeap(benchmark::State& state) {
    state.PauseTiming();
    ::malloc_trim(0);
    state.ResumeTiming();
}

std::string benchFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("zyklora-bench-" + name)).string();
}

// A complete binary tree of TInteger values 0 .. count-1 in level order.
std::unique_ptr<TBinTree> integerTree(std::int64_t count) {
    std::vector<std::unique_ptr<TBinTreeNode>> nodes;
    for (std::int64_t i = 0; i < count; ++i) {
        nodes.push_back(std::make_unique<TBinTreeNode>(
            nullptr, std::make_unique<TInteger>(static_cast<std::int32_t>(i)), nullptr));
    }
    for (std::int64_t i = count - 1; i > 0; --i) {
        auto& parent = nodes[static_cast<std::size_t>((i - 1) / 2)];
        auto& child = nodes[static_cast<std::size_t>(i)];
        [[maybe_unused]] auto none =
            (i % 2 == 1) ? parent->setLeft(std::move(child)) : parent->setRight(std::move(child));
    }
    auto tree = std::make_unique<TBinTree>();
    [[maybe_unused]] auto none = tree->setRoot(std::move(nodes.front()));
    return tree;
}

void rawSave(const std::string& target, const std::vector<char>& bytes) {
    const std::string temporary = target + ".tmp";
    const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
        const std::size_t piece = std::min(kPiece, bytes.size() - at);
        if (::write(file, bytes.data() + at, piece) != static_cast<ssize_t>(piece)) {
            throw std::runtime_error("write failed");
        }
    }
    ::fsync(file);
    ::close(file);
    ::rename(temporary.c_str(), target.c_str());
    // The rename made durable, as save does it.
    const int folder = ::open(std::filesystem::path(target).parent_path().c_str(), O_RDONLY);
    ::fsync(folder);
    ::close(folder);
}

std::size_t rawLoad(const std::string& source) {
    const int file = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    char buffer[kPiece];
    std::size_t total = 0;
    for (ssize_t got; (got = ::read(file, buffer, kPiece)) > 0;)
        total += static_cast<std::size_t>(got);
    ::close(file);
    return total;
}

void saveTree(benchmark::State& state, std::int64_t nodes, const std::string& name) {
    const auto tree = integerTree(nodes);
    const std::string file = benchFile(name);
    for (auto _ : state) tree->save(file);
    state.SetItemsProcessed(state.iterations() * nodes);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}

void loadTree(benchmark::State& state, std::int64_t nodes, const std::string& name) {
    const std::string file = benchFile(name);
    integerTree(nodes)->save(file);
    for (auto _ : state) {
        freshHeap(state);
        TBinTree tree;
        tree.load(file);
        benchmark::DoNotOptimize(tree.root());
    }
    state.SetItemsProcessed(state.iterations() * nodes);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}

std::vector<char> treeFileBytes(std::int64_t nodes = kTreeNodes) {
    const std::string file = benchFile("raw-source");
    integerTree(nodes)->save(file);
    std::vector<char> bytes(std::filesystem::file_size(file));
    const int descriptor = ::open(file.c_str(), O_RDONLY);
    if (::read(descriptor, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("read failed");
    }
    ::close(descriptor);
    std::filesystem::remove(file);
    return bytes;
}

void BM_TreeSave(benchmark::State& state) { saveTree(state, kTreeNodes, "save"); }
BENCHMARK(BM_TreeSave)->Unit(benchmark::kMillisecond);

void BM_RawSave(benchmark::State& state) {
    const std::vector<char> bytes = treeFileBytes();
    const std::string file = benchFile("raw-save");
    for (auto _ : state) rawSave(file, bytes);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    std::filesystem::remove(file);
}
BENCHMARK(BM_RawSave)->Unit(benchmark::kMillisecond);

// The two saves in turns, a raw one and a tree save in each iteration, so that both meet the
// disk in the same state: the counter tree_vs_raw, the raw save's time over the tree save's,
// swings far less from run to run than the ratio of the two benchmarks above.
void BM_SavePair(benchmark::State& state) {
    const auto tree = integerTree(kTreeNodes);
    const std::vector<char> bytes = treeFileBytes();
    const std::string rawFile = benchFile("pair-raw");
    const std::string treeFile = benchFile("pair-tree");
    using Clock = std::chrono::steady_clock;
    Clock::duration raw{};
    Clock::duration saved{};
    for (auto _ : state) {
        const auto start = Clock::now();
        rawSave(rawFile, bytes);
        const auto middle = Clock::now();
        tree->save(treeFile);
        const auto end = Clock::now();
        raw += middle - start;
        saved += end - middle;
    }
    state.counters["tree_vs_raw"] =
        std::chrono::duration<double>(raw) / std::chrono::duration<double>(saved);
    std::filesystem::remove(rawFile);
    std::filesystem::remove(treeFile);
}
BENCHMARK(BM_SavePair)->Unit(benchmark::kMillisecond);

void BM_TreeLoad(benchmark::State& state) { loadTree(state, kTreeNodes, "load"); }
BENCHMARK(BM_TreeLoad)->ComputeStatistics("min", minimum)->Unit(benchmark::kMillisecond);

void BM_RawLoad(benchmark::State& state) {
    const std::string file = benchFile("raw-load");
    rawSave(file, treeFileBytes());
    std::size_t bytes = 0;
    for (auto _ : state) benchmark::DoNotOptimize(bytes = rawLoad(file));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    std::filesystem::remove(file);
}
BENCHMARK(BM_RawLoad)->Unit(benchmark::kMillisecond);

// The load's unavoidable work: the same file read in the same pieces, then a tree of the same
// shape built from the same node and value objects, linked in pre-order through the same setters
// and destroyed with the tree, but nothing decoded. The shape is the complete tree's of
// integerTree: node i's children are 2i + 1 and 2i + 2.
void rawLoadAlloc(benchmark::State& state, std::int64_t nodes) {
    const std::string file = benchFile("raw-load-alloc");
    rawSave(file, treeFileBytes(nodes));
    std::size_t bytes = 0;
    for (auto _ : state) {
        freshHeap(state);
        benchmark::DoNotOptimize(bytes = rawLoad(file));
        TBinTree tree;
        struct Position {
            TBinTreeNode* parent;
            bool left;
            std::int64_t index;
        };
        std::vector<Position> pending{{nullptr, false, 0}};
        while (!pending.empty()) {
            const Position position = pending.back();
            pending.pop_back();
            auto stored = std::make_unique<TBinTreeNode>(
                nullptr, std::make_unique<TInteger>(static_cast<std::int32_t>(position.index)),
                nullptr);
            TBinTreeNode* node = stored.get();
            if (position.parent == nullptr) {
                [[maybe_unused]] auto none = tree.setRoot(std::move(stored));
            } else if (position.left) {
                [[maybe_unused]] auto none = position.parent->setLeft(std::move(stored));
            } else {
                [[maybe_unused]] auto none = position.parent->setRight(std::move(stored));
            }
            const std::int64_t left = 2 * position.index + 1;
            if (left + 1 < nodes) pending.push_back({node, false, left + 1});
            if (left < nodes) pending.push_back({node, true, left});
        }
        benchmark::DoNotOptimize(tree.root());
    }
    state.SetItemsProcessed(state.iterations() * nodes);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    std::filesystem::remove(file);
}

void BM_RawLoadAlloc(benchmark::State& state) { rawLoadAlloc(state, kTreeNodes); }
BENCHMARK(BM_RawLoadAlloc)->ComputeStatistics("min", minimum)->Unit(benchmark::kMillisecond);

// The baseline at the sizes of BM_TreeLoadScale, to tell the loader's growth from the
// allocator's and the caches'.
void BM_RawLoadAllocScale(benchmark::State& state) { rawLoadAlloc(state, state.range(0)); }
BENCHMARK(BM_RawLoadAllocScale)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TreeSaveScale(benchmark::State& state) { saveTree(state, state.range(0), "save-scale"); }
BENCHMARK(BM_TreeSaveScale)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The raw save of the same bytes as BM_TreeSaveScale, whose fixed cost (fsync, rename) it
// shares: the difference grows with the work per node alone.
void BM_RawSaveScale(benchmark::State& state) {
    const std::vector<char> bytes = treeFileBytes(state.range(0));
    const std::string file = benchFile("raw-save-scale");
    for (auto _ : state) rawSave(file, bytes);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    std::filesystem::remove(file);
}
BENCHMARK(BM_RawSaveScale)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TreeLoadScale(benchmark::State& state) { loadTree(state, state.range(0), "load-scale"); }
BENCHMARK(BM_TreeLoadScale)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
