// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding and decoding the corpus in memory: the library's writer and reader side by side
// with msgpack-c, Qt's CBOR stream and QDataStream, and plain memcpy as the physical limit.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <cstring>

#include "bench/corpus.h"
#include "bench/encoders.h"
#include "lib/stream.h"

namespace {

template <typename Bytes>
void reportThroughput(benchmark::State& state, const Bytes& bytes) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus().items.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void BM_Encode_TWriter(benchmark::State& state) {
    TMemoryStream out;
    for (auto _ : state) encodeTWriter(corpus(), out);
    reportThroughput(state, out.bytes());
}
BENCHMARK(BM_Encode_TWriter)->Unit(benchmark::kMillisecond);

void BM_Encode_Msgpack(benchmark::State& state) {
    MsgpackBuffer out;
    for (auto _ : state) encodeMsgpack(corpus(), out);
    reportThroughput(state, out);
}
BENCHMARK(BM_Encode_Msgpack)->Unit(benchmark::kMillisecond);

template <void (*Encode)(const Corpus&, QBuffer&)>
void encodeIntoQBuffer(benchmark::State& state) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    for (auto _ : state) Encode(corpus(), out);
    reportThroughput(state, bytes);
}

void BM_Encode_QCborStreamWriter(benchmark::State& state) { encodeIntoQBuffer<encodeCbor>(state); }
BENCHMARK(BM_Encode_QCborStreamWriter)->Unit(benchmark::kMillisecond);

void BM_Encode_QDataStream(benchmark::State& state) { encodeIntoQBuffer<encodeDataStream>(state); }
BENCHMARK(BM_Encode_QDataStream)->Unit(benchmark::kMillisecond);

// As many bytes as the library's encoding takes, copied in 4000-byte pieces.
void BM_Encode_Memcpy(benchmark::State& state) {
    const std::vector<std::uint8_t> source = encodeTWriter(corpus());
    std::vector<std::uint8_t> target(source.size());
    for (auto _ : state) {
        for (std::size_t at = 0; at < source.size(); at += 4000) {
            std::memcpy(target.data() + at, source.data() + at,
                        std::min<std::size_t>(4000, source.size() - at));
        }
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    reportThroughput(state, source);
}
BENCHMARK(BM_Encode_Memcpy)->Unit(benchmark::kMillisecond);

void BM_Decode_TReader(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = encodeTWriter(corpus());
    for (auto _ : state) benchmark::DoNotOptimize(decodeTReader(corpus(), bytes));
    reportThroughput(state, bytes);
}
BENCHMARK(BM_Decode_TReader)->Unit(benchmark::kMillisecond);

void BM_Decode_Msgpack(benchmark::State& state) {
    const std::unique_ptr<MsgpackBuffer> bytes = encodeMsgpack(corpus());
    for (auto _ : state) benchmark::DoNotOptimize(decodeMsgpack(*bytes));
    reportThroughput(state, *bytes);
}
BENCHMARK(BM_Decode_Msgpack)->Unit(benchmark::kMillisecond);

void BM_Decode_QCborStreamReader(benchmark::State& state) {
    const QByteArray bytes = encodeCbor(corpus());
    for (auto _ : state) benchmark::DoNotOptimize(decodeCbor(bytes));
    reportThroughput(state, bytes);
}
BENCHMARK(BM_Decode_QCborStreamReader)->Unit(benchmark::kMillisecond);

void BM_Decode_QDataStream(benchmark::State& state) {
    const QByteArray bytes = encodeDataStream(corpus());
    for (auto _ : state) benchmark::DoNotOptimize(decodeDataStream(corpus(), bytes));
    reportThroughput(state, bytes);
}
BENCHMARK(BM_Decode_QDataStream)->Unit(benchmark::kMillisecond);

}  // namespace
