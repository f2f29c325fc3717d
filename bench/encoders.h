// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <msgpack.h>

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <vector>

#include "bench/corpus.h"

class QBuffer;
class TMemoryStream;

// The corpus encoded by each encoder, and read back by each decoder into values. An encoder
// writes from the start of the output it is given and reuses that output's memory, so that a
// run measures encoding rather than the growth of a buffer. A decoder returns a checksum of
// what it read, so that nothing can be optimised away.

void encodeTWriter(const Corpus& items, TMemoryStream& out);
std::vector<std::uint8_t> encodeTWriter(const Corpus& items);
// msgpack's growing buffer, freed with this object.
class MsgpackBuffer {
public:
    MsgpackBuffer() { msgpack_sbuffer_init(&m_buffer); }
    ~MsgpackBuffer() { msgpack_sbuffer_destroy(&m_buffer); }
    MsgpackBuffer(const MsgpackBuffer&) = delete;
    MsgpackBuffer& operator=(const MsgpackBuffer&) = delete;
    msgpack_sbuffer* get() { return &m_buffer; }
    const char* data() const { return m_buffer.data; }
    std::size_t size() const { return m_buffer.size; }

private:
    msgpack_sbuffer m_buffer;
};

void encodeMsgpack(const Corpus& items, MsgpackBuffer& out);
void encodeCbor(const Corpus& items, QBuffer& out);
void encodeDataStream(const Corpus& items, QBuffer& out);
// The whole encoding as bytes, for the decoders.
std::unique_ptr<MsgpackBuffer> encodeMsgpack(const Corpus& items);
QByteArray encodeCbor(const Corpus& items);
QByteArray encodeDataStream(const Corpus& items);

std::uint64_t decodeTReader(const Corpus& items, const std::vector<std::uint8_t>& bytes);
std::uint64_t decodeMsgpack(const MsgpackBuffer& bytes);
std::uint64_t decodeCbor(const QByteArray& bytes);
std::uint64_t decodeDataStream(const Corpus& items, const QByteArray& bytes);
