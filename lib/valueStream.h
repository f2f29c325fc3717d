// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tagged binary encoding of values. Every item is one tag byte followed by the item's bytes;
// there is no header, marker or type information beyond the tags. Numbers are little-endian,
// integers two's complement.
//
//   02 tagInt8        1 byte signed            06 tagString      1-byte length n, n bytes
//   03 tagInt16       2 bytes signed           0C tagLongString  4-byte length n, n bytes
//   04 tagInt32       4 bytes signed           14 tagUtf8String  4-byte length n, n UTF-8 bytes
//   13 tagInt64       8 bytes signed           12 tagWideString  4-byte count n, 2n UTF-16LE
//   05 tagExtended    10 bytes: 64-bit significand with explicit integer bit, then
//                     sign (bit 15) and exponent biased by 16383 (bits 0..14)
//   08 tagFalse, 09 tagTrue: nothing follows
//
// Integers take the smallest of the 1-, 2- and 4-byte forms (8 only beyond 32 bits). Texts are
// Windows-1252 bytes (see lib/codePage.h); a text with a byte of 0x80 or above is stored as
// UTF-8. Examples: 300 is 03 2C 01; 1.5 is 05 00 00 00 00 00 00 00 C0 FF 3F; "" is 06 00.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>

#include "lib/extendedFormat.h"
#include "lib/stream.h"

enum class TValueTag : std::uint8_t {
    tagInt8 = 0x02,
    tagInt16 = 0x03,
    tagInt32 = 0x04,
    tagExtended = 0x05,
    tagString = 0x06,
    tagFalse = 0x08,
    tagTrue = 0x09,
    tagLongString = 0x0C,
    tagWideString = 0x12,
    tagInt64 = 0x13,
    tagUtf8String = 0x14,
};

// The buffer of a writer or reader: inside the object up to kInlineSize bytes, so that the usual
// 4000-byte buffer costs no heap allocation (after a large tree was freed, such an allocation
// makes the allocator merge all the small free blocks first), on the heap beyond.
class TFilerBuffer {
public:
    static constexpr std::size_t kInlineSize = 4096;

    explicit TFilerBuffer(std::size_t size)
        : m_heap(size > kInlineSize ? std::make_unique_for_overwrite<std::uint8_t[]>(size)
                                    : nullptr),
          m_data(m_heap ? m_heap.get() : m_inline) {}

    std::uint8_t* get() const { return m_data; }
    std::uint8_t& operator[](std::size_t index) const { return m_data[index]; }
    // False once released.
    explicit operator bool() const { return m_data != nullptr; }
    void reset() {
        m_heap.reset();
        m_data = nullptr;
    }

private:
    std::uint8_t m_inline[kInlineSize];  // left uninitialised: every byte is written before read
    std::unique_ptr<std::uint8_t[]> m_heap;
    std::uint8_t* m_data;
};

// The common part of writer and reader: a stream it does not own ("stream" must outlive the
// filer) and a buffer of fixed size that it owns.
class TFiler {
public:
    TFiler(const TFiler&) = delete;
    TFiler& operator=(const TFiler&) = delete;

protected:
    TFiler(TStream& stream, std::size_t bufferSize);
    ~TFiler() = default;

    TStream& m_stream;
    TFilerBuffer m_buffer;  // empty once released
    std::size_t m_bufferSize;
};

// Encodes items onto a stream through its buffer. A full buffer goes to the stream in one write
// only when a further byte arrives; flush and release hand over what waits, and call the stream
// only when something waits. A stream that takes fewer bytes than given raises EWriteError
// "Stream-Schreibfehler".
class TWriter : public TFiler {
public:
    TWriter(TStream& stream, std::size_t bufferSize);
    // Releases the writer if release() was not called; a write error at that point is lost.
    ~TWriter();

    // The smallest of the 1-, 2- and 4-byte forms that holds value.
    void putInteger(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        if (value >= -128 && value <= 127) {
            putTagged(TValueTag::tagInt8, bits, 1);
        } else if (value >= -32768 && value <= 32767) {
            putTagged(TValueTag::tagInt16, bits, 2);
        } else {
            putTagged(TValueTag::tagInt32, bits, 4);
        }
    }
    // As putInteger within 32 bits, else tagInt64 with 8 bytes.
    void putInt64(std::int64_t value) {
        if (value >= INT32_MIN && value <= INT32_MAX) {
            putInteger(static_cast<std::int32_t>(value));
        } else {
            putTagged(TValueTag::tagInt64, static_cast<std::uint64_t>(value), 8);
        }
    }
    // tagExtended and the 80-bit number, bit for bit.
    void putFloat(long double value) {
        constexpr std::size_t kSize = 11;  // the tag and the 80-bit number
        if (m_bufferSize - m_count < kSize) return putFloatAcrossHandOver(value);
        m_buffer[m_count] = static_cast<std::uint8_t>(TValueTag::tagExtended);
        const TExtendedBytes bytes = encodeExtended(value);
        std::memcpy(m_buffer.get() + m_count + 1, bytes.data(), bytes.size());
        m_count += kSize;
    }
    // tagString or tagLongString with the bytes of a plain ASCII text; tagUtf8String with the
    // UTF-8 form of any other.
    void putString(const std::string& text);
    // putString of the one-character text.
    void putChar(char value);
    void putBoolean(bool value) { putTag(value ? TValueTag::tagTrue : TValueTag::tagFalse); }
    void putTag(TValueTag tag) { putByte(static_cast<std::uint8_t>(tag)); }
    // The bytes as they are, without a tag.
    void putBytes(std::span<const std::uint8_t> bytes) {
        const std::size_t size = bytes.size();
        if (m_bufferSize - m_count < size) return putBytesAcrossHandOver(bytes);
        std::uint8_t* const at = m_buffer.get() + m_count;
        if (size >= 8 && size <= 16) {
            // A short run, such as a tree's class name on every node, as two overlapping
            // words: no call into the library's memcpy.
            std::memcpy(at, bytes.data(), 8);
            std::memcpy(at + size - 8, bytes.data() + size - 8, 8);
        } else {
            std::memcpy(at, bytes.data(), size);
        }
        m_count += size;
    }
    // Hands the waiting bytes to the stream; calls it only when something waits.
    void flush();
    // Hands the waiting bytes to the stream, then frees the buffer. Nothing may be put after it.
    void release();

private:
    void putByte(std::uint8_t byte) {
        if (m_count == m_bufferSize) handOver();
        m_buffer[m_count++] = byte;
    }
    // A tag followed by the low width bytes of value, little-endian. Small items are inline:
    // the buffer usually has room for the whole item.
    void putTagged(TValueTag tag, std::uint64_t value, std::size_t width) {
        const std::size_t size = 1 + width;
        if (m_bufferSize - m_count < size) return putTaggedAcrossHandOver(tag, value, width);
        std::uint8_t* at = m_buffer.get() + m_count;
        at[0] = static_cast<std::uint8_t>(tag);
        for (std::size_t i = 0; i < width; ++i)
            at[1 + i] = static_cast<std::uint8_t>(value >> (8 * i));
        m_count += size;
    }
    void putTaggedAcrossHandOver(TValueTag tag, std::uint64_t value, std::size_t width);
    void putFloatAcrossHandOver(long double value);
    void putBytesAcrossHandOver(std::span<const std::uint8_t> bytes);
    void handOver();

    std::size_t m_count = 0;
};

// Decodes items from a stream through its buffer. A read fails with EReadError
// "Stream-Lesefehler" when the stream delivers no byte where one is needed (a short delivery is
// fine), and with "Ungültiger Eigenschaftswert" when an item's tag is not accepted; the tag
// byte then stays consumed.
class TReader : public TFiler {
public:
    TReader(TStream& stream, std::size_t bufferSize);
    // Releases the reader if release() was not called.
    ~TReader();

    TValueTag getTag() { return static_cast<TValueTag>(takeByte()); }
    // Consumes bytes when the data continues with exactly them in the buffer, and returns
    // true; otherwise consumes nothing and returns false (also when they merely are not read
    // ahead yet).
    bool skipIfNext(std::span<const std::uint8_t> bytes) {
        const std::size_t size = bytes.size();
        if (m_end - m_position < size) return false;
        const std::uint8_t* at = m_buffer.get() + m_position;
        if (size >= 8 && size <= 16) {
            // A class name's bytes: two overlapping 8-byte words instead of a call to memcmp.
            std::uint64_t mine[2];
            std::uint64_t theirs[2];
            std::memcpy(&mine[0], at, 8);
            std::memcpy(&mine[1], at + size - 8, 8);
            std::memcpy(&theirs[0], bytes.data(), 8);
            std::memcpy(&theirs[1], bytes.data() + size - 8, 8);
            if (mine[0] != theirs[0] || mine[1] != theirs[1]) return false;
        } else if (std::memcmp(at, bytes.data(), size) != 0) {
            return false;
        }
        m_position += size;
        return true;
    }
    // True when no byte waits and the stream delivers none; a stream that fails instead raises
    // "Stream-Lesefehler".
    bool atEnd();
    // The next byte, which stays unread.
    TValueTag peekTag();
    void getBytes(std::span<std::uint8_t> bytes);
    // Accepts the 8-, 16- and 32-bit forms, never tagInt64.
    std::int32_t getInteger() {
        // Inline when the buffer holds the longest form: trees hold many small integers.
        if (m_end - m_position >= 5) {
            const std::uint8_t* at = m_buffer.get() + m_position;
            switch (static_cast<TValueTag>(at[0])) {
                case TValueTag::tagInt8:
                    m_position += 2;
                    return static_cast<std::int8_t>(at[1]);
                case TValueTag::tagInt16:
                    m_position += 3;
                    return static_cast<std::int16_t>(at[1] | at[2] << 8);
                case TValueTag::tagInt32:
                    m_position += 5;
                    return static_cast<std::int32_t>(
                        std::uint32_t{at[1]} | std::uint32_t{at[2]} << 8 |
                        std::uint32_t{at[3]} << 16 | std::uint32_t{at[4]} << 24);
                default:
                    break;
            }
        }
        return getIntegerAfterTag(getTag());
    }
    // Accepts tagInt64 and every form of getInteger.
    std::int64_t getInt64();
    // Accepts tagExtended and every form of getInt64.
    long double getFloat();
    // Accepts the four text forms; UTF-8 and UTF-16 are converted to Windows-1252. A length
    // that is negative or beyond the data fails with "Stream-Lesefehler" without allocating it.
    std::string getString();
    // A text item of exactly one character after conversion.
    char getChar();
    // Consumes one byte of any value; true only for tagTrue.
    bool getBoolean() { return getTag() == TValueTag::tagTrue; }
    // Moves the stream back by the bytes read ahead and not consumed, so that it stands just
    // behind the last consumed byte, then frees the buffer.
    void release();

private:
    std::uint8_t takeByte() {
        if (m_position == m_end) refill();
        return m_buffer[m_position++];
    }
    std::uint64_t getLittleEndian(std::size_t width);
    std::int32_t getIntegerAfterTag(TValueTag tag);
    // length bytes; negative or beyond the data fails with "Stream-Lesefehler".
    std::string getText(std::int64_t length);
    void refill();

    std::size_t m_position = 0;
    std::size_t m_end = 0;
};
