// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/encoders.h"

#include <msgpack.h>

#include <QBuffer>
#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QDataStream>
#include <cstring>

#include "lib/codePage.h"
#include "lib/stream.h"
#include "lib/valueStream.h"

using Kind = CorpusItem::Kind;

namespace {

// The UTF-8 form of a corpus text: the text itself when it is plain ASCII, else converted into
// scratch.
std::string_view utf8Of(const std::string& text, std::string& scratch) {
    const std::size_t length = utf8LengthOf(text);
    if (length == text.size()) return text;
    scratch.resize(length);
    writeUtf8(text, reinterpret_cast<std::uint8_t*>(scratch.data()));
    return scratch;
}

}  // namespace

void encodeTWriter(const Corpus& items, TMemoryStream& stream) {
    stream.seekRelative(-static_cast<std::int64_t>(stream.position()));
    TWriter writer(stream, 4000);
    for (const CorpusItem& item : items.items) {
        switch (item.kind) {
            case Kind::Integer:
                writer.putInteger(static_cast<std::int32_t>(item.integer));
                break;
            case Kind::Int64:
                writer.putInt64(item.integer);
                break;
            case Kind::Text:
                writer.putString(items.texts[item.text]);
                break;
            case Kind::Boolean:
                writer.putBoolean(item.integer != 0);
                break;
            case Kind::Extended:
                writer.putFloat(item.extended);
                break;
        }
    }
    writer.release();
}

std::vector<std::uint8_t> encodeTWriter(const Corpus& items) {
    TMemoryStream stream;
    encodeTWriter(items, stream);
    return stream.takeBytes();
}

void encodeMsgpack(const Corpus& items, MsgpackBuffer& buffer) {
    msgpack_sbuffer_clear(buffer.get());
    msgpack_packer packer;
    msgpack_packer_init(&packer, buffer.get(), msgpack_sbuffer_write);
    std::string scratch;
    for (const CorpusItem& item : items.items) {
        switch (item.kind) {
            case Kind::Integer:
                msgpack_pack_int32(&packer, static_cast<std::int32_t>(item.integer));
                break;
            case Kind::Int64:
                msgpack_pack_int64(&packer, item.integer);
                break;
            case Kind::Text: {
                const std::string_view text = utf8Of(items.texts[item.text], scratch);
                msgpack_pack_str(&packer, text.size());
                msgpack_pack_str_body(&packer, text.data(), text.size());
                break;
            }
            case Kind::Boolean:
                item.integer != 0 ? msgpack_pack_true(&packer) : msgpack_pack_false(&packer);
                break;
            case Kind::Extended:  // msgpack has no 80-bit form
                msgpack_pack_double(&packer, static_cast<double>(item.extended));
                break;
        }
    }
}

std::unique_ptr<MsgpackBuffer> encodeMsgpack(const Corpus& items) {
    auto buffer = std::make_unique<MsgpackBuffer>();
    encodeMsgpack(items, *buffer);
    return buffer;
}

void encodeCbor(const Corpus& items, QBuffer& buffer) {
    buffer.seek(0);
    QCborStreamWriter writer(&buffer);
    std::string scratch;
    // QCborStreamReader walks items inside a container; one array holds them all.
    writer.startArray(static_cast<quint64>(items.items.size()));
    for (const CorpusItem& item : items.items) {
        switch (item.kind) {
            case Kind::Integer:
            case Kind::Int64:
                writer.append(static_cast<qint64>(item.integer));
                break;
            case Kind::Text: {
                const std::string_view text = utf8Of(items.texts[item.text], scratch);
                writer.appendTextString(text.data(), static_cast<qsizetype>(text.size()));
                break;
            }
            case Kind::Boolean:
                writer.append(item.integer != 0);
                break;
            case Kind::Extended:
                writer.append(static_cast<double>(item.extended));
                break;
        }
    }
    writer.endArray();
}

QByteArray encodeCbor(const Corpus& items) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    encodeCbor(items, buffer);
    return bytes;
}

void encodeDataStream(const Corpus& items, QBuffer& buffer) {
    buffer.seek(0);
    QDataStream out(&buffer);
    std::string scratch;
    for (const CorpusItem& item : items.items) {
        switch (item.kind) {
            case Kind::Integer:
                out << static_cast<qint32>(item.integer);
                break;
            case Kind::Int64:
                out << static_cast<qint64>(item.integer);
                break;
            case Kind::Text: {
                const std::string_view text = utf8Of(items.texts[item.text], scratch);
                out.writeBytes(text.data(), static_cast<uint>(text.size()));
                break;
            }
            case Kind::Boolean:
                out << (item.integer != 0);
                break;
            case Kind::Extended:
                out << static_cast<double>(item.extended);
                break;
        }
    }
}

QByteArray encodeDataStream(const Corpus& items) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    encodeDataStream(items, buffer);
    return bytes;
}

std::uint64_t decodeTReader(const Corpus& items, const std::vector<std::uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    TReader reader(stream, 4000);
    std::uint64_t sum = 0;
    for (const CorpusItem& item : items.items) {
        switch (item.kind) {
            case Kind::Integer:
                sum += static_cast<std::uint64_t>(reader.getInteger());
                break;
            case Kind::Int64:
                sum += static_cast<std::uint64_t>(reader.getInt64());
                break;
            case Kind::Text:
                sum += reader.getString().size();
                break;
            case Kind::Boolean:
                sum += reader.getBoolean();
                break;
            case Kind::Extended:
                sum += static_cast<std::uint64_t>(reader.getFloat());
                break;
        }
    }
    return sum;
}

std::uint64_t decodeMsgpack(const MsgpackBuffer& bytes) {
    msgpack_unpacked result;
    msgpack_unpacked_init(&result);
    std::size_t offset = 0;
    std::uint64_t sum = 0;
    while (msgpack_unpack_next(&result, bytes.data(), bytes.size(), &offset) ==
           MSGPACK_UNPACK_SUCCESS) {
        const msgpack_object& value = result.data;
        switch (value.type) {
            case MSGPACK_OBJECT_POSITIVE_INTEGER:
                sum += value.via.u64;
                break;
            case MSGPACK_OBJECT_NEGATIVE_INTEGER:
                sum += static_cast<std::uint64_t>(value.via.i64);
                break;
            case MSGPACK_OBJECT_STR:  // back to a Windows-1252 text, as the library holds it
                sum += utf8ToAnsi({reinterpret_cast<const std::uint8_t*>(value.via.str.ptr),
                                   value.via.str.size})
                           .size();
                break;
            case MSGPACK_OBJECT_BOOLEAN:
                sum += value.via.boolean;
                break;
            default:
                sum += static_cast<std::uint64_t>(value.via.f64);
        }
    }
    msgpack_unpacked_destroy(&result);
    return sum;
}

std::uint64_t decodeCbor(const QByteArray& bytes) {
    QCborStreamReader reader(bytes);
    std::uint64_t sum = 0;
    reader.enterContainer();
    while (reader.lastError() == QCborError::NoError && reader.hasNext()) {
        if (reader.isInteger()) {
            sum += static_cast<std::uint64_t>(reader.toInteger());
            reader.next();
        } else if (reader.isString()) {
            QString text;
            auto chunk = reader.readString();
            while (chunk.status == QCborStreamReader::Ok) {
                text += chunk.data;
                chunk = reader.readString();
            }
            sum += utf16ToAnsi({reinterpret_cast<const char16_t*>(text.utf16()),
                                static_cast<std::size_t>(text.size())})
                       .size();
        } else if (reader.isBool()) {
            sum += reader.toBool();
            reader.next();
        } else {
            sum += static_cast<std::uint64_t>(reader.toDouble());
            reader.next();
        }
    }
    return sum;
}

std::uint64_t decodeDataStream(const Corpus& items, const QByteArray& bytes) {
    QDataStream in(bytes);
    std::uint64_t sum = 0;
    for (const CorpusItem& item : items.items) {
        switch (item.kind) {
            case Kind::Integer: {
                qint32 value;
                in >> value;
                sum += static_cast<std::uint64_t>(value);
                break;
            }
            case Kind::Int64: {
                qint64 value;
                in >> value;
                sum += static_cast<std::uint64_t>(value);
                break;
            }
            case Kind::Text: {
                QByteArray text;
                in >> text;
                sum += utf8ToAnsi({reinterpret_cast<const std::uint8_t*>(text.constData()),
                                   static_cast<std::size_t>(text.size())})
                           .size();
                break;
            }
            case Kind::Boolean: {
                bool value;
                in >> value;
                sum += value;
                break;
            }
            case Kind::Extended: {
                double value;
                in >> value;
                sum += static_cast<std::uint64_t>(value);
                break;
            }
        }
    }
    return sum;
}
