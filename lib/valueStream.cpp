// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/valueStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "lib/codePage.h"
#include "lib/errors.h"

namespace {

const char* const kWriteError = "Stream-Schreibfehler";
const char* const kReadError = "Stream-Lesefehler";
const char* const kInvalidValue = "Ungültiger Eigenschaftswert";

std::uint8_t tagByte(TValueTag tag) { return static_cast<std::uint8_t>(tag); }

// The prescribed messages, with the stream's system error as the cause where it has one.
EWriteError writeError(const TStream& stream) {
    return EWriteError(kWriteError, stream.lastError());
}
EReadError readError(const TStream& stream) { return EReadError(kReadError, stream.lastError()); }

// Texts are read in pieces of at most this size, so that a crafted length costs no more memory
// than the data that is really there.
constexpr std::size_t kTextPiece = 1 << 16;

}  // namespace

TFiler::TFiler(TStream& stream, std::size_t bufferSize)
    : m_stream(stream), m_buffer(bufferSize), m_bufferSize(bufferSize) {}

TWriter::TWriter(TStream& stream, std::size_t bufferSize) : TFiler(stream, bufferSize) {}

TWriter::~TWriter() {
    try {
        release();
    } catch (const EWriteError&) {
        // Only an explicit release can report; the caller is already failing or chose not to.
    }
}

void TWriter::handOver() {
    if (m_count == 0) return;
    const std::size_t waiting = std::exchange(m_count, 0);
    // The bytes are gone either way: a short write is reported once, never written again.
    if (m_stream.write({m_buffer.get(), waiting}) != waiting) throw writeError(m_stream);
}

void TWriter::flush() { handOver(); }

void TWriter::release() {
    if (!m_buffer) return;
    handOver();
    m_buffer.reset();
}

void TWriter::putBytesAcrossHandOver(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        if (m_count == m_bufferSize) handOver();
        const std::size_t piece = std::min(bytes.size(), m_bufferSize - m_count);
        std::memcpy(m_buffer.get() + m_count, bytes.data(), piece);
        m_count += piece;
        bytes = bytes.subspan(piece);
    }
}

void TWriter::putTaggedAcrossHandOver(TValueTag tag, std::uint64_t value, std::size_t width) {
    std::uint8_t item[9] = {tagByte(tag)};
    for (std::size_t i = 0; i < width; ++i)
        item[1 + i] = static_cast<std::uint8_t>(value >> (8 * i));
    putBytes({item, 1 + width});
}

void TWriter::putFloatAcrossHandOver(long double value) {
    const TExtendedBytes number = encodeExtended(value);
    std::uint8_t bytes[1 + number.size()] = {tagByte(TValueTag::tagExtended)};
    std::memcpy(bytes + 1, number.data(), number.size());
    putBytes(bytes);
}

void TWriter::putString(const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t length = utf8LengthOf(text);
    if (length == text.size()) {  // plain ASCII: the UTF-8 form is the text itself
        if (text.size() <= 255 && m_bufferSize - m_count >= 2 + text.size()) {
            std::uint8_t* at = m_buffer.get() + m_count;  // the whole item fits
            at[0] = tagByte(TValueTag::tagString);
            at[1] = static_cast<std::uint8_t>(text.size());
            std::memcpy(at + 2, bytes, text.size());
            m_count += 2 + text.size();
            return;
        }
        if (text.size() <= 255) {
            putTagged(TValueTag::tagString, text.size(), 1);
        } else {
            putTagged(TValueTag::tagLongString, text.size(), 4);
        }
        putBytes({bytes, text.size()});
        return;
    }
    putTagged(TValueTag::tagUtf8String, length, 4);
    // Encoded straight into the buffer, as many characters at a time as surely fit (three
    // bytes each at most); the full buffer goes to the stream once more characters wait.
    std::string_view rest = text;
    while (!rest.empty()) {
        if (m_count == m_bufferSize) handOver();
        const std::size_t fitting = std::max<std::size_t>((m_bufferSize - m_count) / 3, 1);
        const std::string_view piece = rest.substr(0, fitting);
        if (m_bufferSize - m_count >= 3 * piece.size()) {
            const std::uint8_t* end = writeUtf8(piece, m_buffer.get() + m_count);
            m_count = static_cast<std::size_t>(end - m_buffer.get());
        } else {  // less than three bytes free: one character through putBytes
            const TUtf8Form& form = utf8Forms()[static_cast<std::uint8_t>(piece.front())];
            putBytes({form.bytes.data(), form.length});
        }
        rest.remove_prefix(piece.size());
    }
}

void TWriter::putChar(char value) { putString(std::string(1, value)); }

TReader::TReader(TStream& stream, std::size_t bufferSize) : TFiler(stream, bufferSize) {}

TReader::~TReader() { release(); }

void TReader::release() {
    if (!m_buffer) return;
    m_stream.seekRelative(-static_cast<std::int64_t>(m_end - m_position));
    m_position = m_end = 0;
    m_buffer.reset();
}

void TReader::refill() {
    if (atEnd()) throw readError(m_stream);
}

void TReader::getBytes(std::span<std::uint8_t> bytes) {
    while (!bytes.empty()) {
        if (m_position == m_end) refill();
        const std::size_t piece = std::min(bytes.size(), m_end - m_position);
        std::memcpy(bytes.data(), m_buffer.get() + m_position, piece);
        m_position += piece;
        bytes = bytes.subspan(piece);
    }
}

std::uint64_t TReader::getLittleEndian(std::size_t width) {
    std::uint8_t bytes[8];
    if (m_end - m_position >= width) {  // the common case: all in the buffer
        std::memcpy(bytes, m_buffer.get() + m_position, width);
        m_position += width;
    } else {
        getBytes({bytes, width});
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= std::uint64_t{bytes[i]} << (8 * i);
    return value;
}

bool TReader::atEnd() {
    if (m_position < m_end) return false;
    const std::size_t delivered = m_stream.read({m_buffer.get(), m_bufferSize});
    if (delivered == 0 && m_stream.lastError() != 0) throw readError(m_stream);
    m_position = 0;
    m_end = delivered;
    return delivered == 0;
}

TValueTag TReader::peekTag() {
    const TValueTag tag = getTag();
    --m_position;  // the byte just taken is still in the buffer
    return tag;
}

std::int32_t TReader::getIntegerAfterTag(TValueTag tag) {
    switch (tag) {
        case TValueTag::tagInt8:
            return static_cast<std::int8_t>(getLittleEndian(1));
        case TValueTag::tagInt16:
            return static_cast<std::int16_t>(getLittleEndian(2));
        case TValueTag::tagInt32:
            return static_cast<std::int32_t>(getLittleEndian(4));
        default:
            throw EReadError(kInvalidValue);
    }
}

std::int64_t TReader::getInt64() {
    const TValueTag tag = getTag();
    if (tag == TValueTag::tagInt64) return static_cast<std::int64_t>(getLittleEndian(8));
    return getIntegerAfterTag(tag);
}

long double TReader::getFloat() {
    if (peekTag() != TValueTag::tagExtended) return static_cast<long double>(getInt64());
    getTag();
    TExtendedBytes bytes;
    getBytes(bytes);
    return decodeExtended(bytes);
}

std::string TReader::getText(std::int64_t length) {
    if (length < 0) throw EReadError(kReadError);
    const auto wanted = static_cast<std::uint64_t>(length);
    if (m_end - m_position >= wanted) {  // the common case: all in the buffer
        const char* start = reinterpret_cast<const char*>(m_buffer.get() + m_position);
        m_position += static_cast<std::size_t>(wanted);
        return std::string(start, static_cast<std::size_t>(wanted));
    }
    std::string text;
    while (text.size() < wanted) {
        const std::size_t start = text.size();
        const auto piece =
            static_cast<std::size_t>(std::min<std::uint64_t>(wanted - start, kTextPiece));
        text.resize(start + piece);
        getBytes({reinterpret_cast<std::uint8_t*>(text.data() + start), piece});
    }
    return text;
}

std::string TReader::getString() {
    const TValueTag tag = getTag();
    switch (tag) {
        case TValueTag::tagString:
            return getText(static_cast<std::int64_t>(getLittleEndian(1)));
        case TValueTag::tagLongString:
            return getText(static_cast<std::int32_t>(getLittleEndian(4)));
        case TValueTag::tagUtf8String: {
            const auto length = static_cast<std::int32_t>(getLittleEndian(4));
            if (length >= 0 && m_end - m_position >= static_cast<std::size_t>(length)) {
                // Decoded straight from the buffer.
                const std::span<const std::uint8_t> bytes(m_buffer.get() + m_position,
                                                          static_cast<std::size_t>(length));
                m_position += bytes.size();
                return utf8ToAnsi(bytes);
            }
            const std::string utf8 = getText(length);
            return utf8ToAnsi({reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()});
        }
        case TValueTag::tagWideString: {
            const auto units = static_cast<std::int32_t>(getLittleEndian(4));
            const std::string raw = getText(units < 0 ? -1 : std::int64_t{units} * 2);
            std::u16string wide(raw.size() / 2, u'\0');
            for (std::size_t i = 0; i < wide.size(); ++i) {
                wide[i] = static_cast<char16_t>(static_cast<std::uint8_t>(raw[2 * i]) |
                                                (static_cast<std::uint8_t>(raw[2 * i + 1]) << 8));
            }
            return utf16ToAnsi(wide);
        }
        default:
            throw EReadError(kInvalidValue);
    }
}

char TReader::getChar() {
    const std::string text = getString();
    if (text.size() != 1) throw EReadError(kInvalidValue);
    return text.front();
}
