// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/valueStream.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

#include "lib/errors.h"
#include "tests/support/byteHelpers.h"

namespace {

struct EncodeCase {
    const char* what;
    std::function<void(TWriter&)> put;
    const char* hex;
};

TEST(TWriter, ItemsHaveTheirExactBytes) {
    const std::string text300(300, 'a');
    const EncodeCase cases[] = {
        {"300", [](TWriter& w) { w.putInteger(300); }, "03 2C 01"},
        {"-1", [](TWriter& w) { w.putInteger(-1); }, "02 FF"},
        {"127/-128", [](TWriter& w) { w.putInteger(127), w.putInteger(-128); }, "02 7F 02 80"},
        {"128", [](TWriter& w) { w.putInteger(128); }, "03 80 00"},
        {"-32769", [](TWriter& w) { w.putInteger(-32769); }, "04 FF 7F FF FF"},
        {"100000", [](TWriter& w) { w.putInteger(100000); }, "04 A0 86 01 00"},
        {"40000", [](TWriter& w) { w.putInteger(40000); }, "04 40 9C 00 00"},
        {"int64 5", [](TWriter& w) { w.putInt64(5); }, "02 05"},
        {"int64 2^31", [](TWriter& w) { w.putInt64(std::int64_t{1} << 31); },
         "13 00 00 00 80 00 00 00 00"},
        {"2^32+5", [](TWriter& w) { w.putInt64((std::int64_t{1} << 32) + 5); },
         "13 05 00 00 00 01 00 00 00"},
        {"1.5", [](TWriter& w) { w.putFloat(1.5L); }, "05 00 00 00 00 00 00 00 C0 FF 3F"},
        {"-2.0", [](TWriter& w) { w.putFloat(-2.0L); }, "05 00 00 00 00 00 00 00 80 00 C0"},
        {"booleans", [](TWriter& w) { w.putBoolean(true), w.putBoolean(false); }, "09 08"},
        {"char A", [](TWriter& w) { w.putChar('A'); }, "06 01 41"},
        {"char ä", [](TWriter& w) { w.putChar('\xE4'); }, "14 02 00 00 00 C3 A4"},
        {"empty", [](TWriter& w) { w.putString(""); }, "06 00"},
        {"Größe",
         [](TWriter& w) {
             w.putString(
                 "Gr\xF6\xDF"
                 "e");
         },
         "14 07 00 00 00 47 72 C3 B6 C3 9F 65"},
        {"euro", [](TWriter& w) { w.putString("\x80"); }, "14 03 00 00 00 E2 82 AC"},
    };
    for (const auto& c : cases) EXPECT_EQ(hexOf(encoded(c.put)), c.hex) << c.what;

    const Bytes text255 = encoded([](TWriter& w) { w.putString(std::string(255, 'x')); });
    EXPECT_EQ(text255.size(), 257u);
    EXPECT_EQ(hexOf({text255.begin(), text255.begin() + 2}), "06 FF");
    const Bytes text256 = encoded([&](TWriter& w) { w.putString(text300); });
    EXPECT_EQ(hexOf({text256.begin(), text256.begin() + 5}), "0C 2C 01 00 00");
}

// Runs read on a reader over the bytes; returns what it read, or the error message.
template <typename Read>
std::string readFrom(const char* hex, Read read) {
    TMemoryStream stream(hexBytes(hex));
    TReader reader(stream, 4000);
    try {
        std::ostringstream out;
        out << read(reader);
        return out.str();
    } catch (const EReadError& error) {
        return error.what();
    }
}

TEST(TReader, ReadsAcceptOnlyTheirForms) {
    const std::string invalid = "Ungültiger Eigenschaftswert";
    const std::string short_ = "Stream-Lesefehler";
    auto integer = [](TReader& r) { return r.getInteger(); };
    auto int64 = [](TReader& r) { return r.getInt64(); };
    auto floating = [](TReader& r) { return static_cast<double>(r.getFloat()); };
    auto text = [](TReader& r) { return r.getString(); };
    auto character = [](TReader& r) { return std::string(1, r.getChar()); };
    EXPECT_EQ(readFrom("02 FF", integer), "-1");
    EXPECT_EQ(readFrom("03 00 80", integer), "-32768");
    EXPECT_EQ(readFrom("04 A0 86 01 00", integer), "100000");
    EXPECT_EQ(readFrom("13 05 00 00 00 00 00 00 00", integer), invalid);
    EXPECT_EQ(readFrom("06 00", integer), invalid);
    EXPECT_EQ(readFrom("13 05 00 00 00 01 00 00 00", int64), "4294967301");
    EXPECT_EQ(readFrom("02 80", int64), "-128");
    EXPECT_EQ(readFrom("02 07", floating), "7");
    EXPECT_EQ(readFrom("05 00 00 00 00 00 00 00 C0 FF 3F", floating), "1.5");
    EXPECT_EQ(readFrom("", integer), short_);
    EXPECT_EQ(readFrom("04 A0 86", integer), short_);
    EXPECT_EQ(readFrom("14 02 00 00 00 C3 A4", character), "\xE4");
    EXPECT_EQ(readFrom("06 02 41 42", character), invalid);
    EXPECT_EQ(readFrom("06 00", character), invalid);
    EXPECT_EQ(readFrom("14 03 00 00 00 41 C3 41", text), "");  // broken sequence: empty
    EXPECT_EQ(readFrom("14 02 00 00 00 41 C3", text), "");     // ends inside a sequence
    EXPECT_EQ(readFrom("14 03 00 00 00 E2 82 AC", text), "\x80");
    // Sixteen bytes of pairs, one of them the C1 control U+0081 (kept) and U+0080 (no form).
    EXPECT_EQ(readFrom("14 10 00 00 00 C3 A4 C3 A4 C2 81 C3 A4 C2 80 C3 A4 C3 A4 C3 A4", text),
              "\xE4\xE4\x81\xE4?\xE4\xE4\xE4");
    EXPECT_EQ(readFrom("14 03 00 00 00 E2 88 9E", text), "?");  // no Windows-1252 form
    EXPECT_EQ(readFrom("12 03 00 00 00 47 00 FC 00 3D D8", text), "G\xFC?");
    EXPECT_EQ(readFrom("0C 03 00 00 00 61 62 63", text), "abc");
    EXPECT_EQ(readFrom("0C FF FF FF FF", text), short_);     // negative length
    EXPECT_EQ(readFrom("0C 00 00 00 7F 61", text), short_);  // beyond the data
    EXPECT_EQ(readFrom("12 00 00 00 40 61", text), short_);
    EXPECT_EQ(readFrom("07", text), invalid);
}

TEST(TReader, BooleanTakesOneByteAndPeekLeavesItUnread) {
    TMemoryStream stream(hexBytes("02 05 09"));
    TReader reader(stream, 4000);
    EXPECT_FALSE(reader.getBoolean());
    EXPECT_EQ(reader.peekTag(), static_cast<TValueTag>(0x05));
    EXPECT_EQ(reader.getTag(), static_cast<TValueTag>(0x05));
    EXPECT_TRUE(reader.getBoolean());
}

TEST(TStreamEncoding, ExtendedNumbersRoundTripBitExactly) {
    const long double values[] = {0.0L,
                                  -0.0L,
                                  std::numeric_limits<long double>::infinity(),
                                  -std::numeric_limits<long double>::infinity(),
                                  std::numeric_limits<long double>::quiet_NaN(),
                                  std::numeric_limits<long double>::denorm_min(),
                                  std::numeric_limits<long double>::max(),
                                  1.0L / 3.0L};
    for (long double value : values) {
        TMemoryStream stream(encoded([&](TWriter& w) { w.putFloat(value); }));
        TReader reader(stream, 4000);
        const long double back = reader.getFloat();
        EXPECT_EQ(std::memcmp(&back, &value, 10), 0) << static_cast<double>(value);
    }
}

TEST(TStreamEncoding, EveryByteStringSurvivesATextRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    std::string latin;  // long runs for the sixteen-byte paths, a C1 control inside one
    for (int byte = 0xA0; byte < 0x100; ++byte) latin += static_cast<char>(byte);
    const std::string mixed = latin + "\x81" + latin + std::string(40, 'q') + latin;
    for (const std::string& text :
         {all, std::string("a"), std::string(256, 'z'), std::string(300, '\xE4'), latin, mixed}) {
        TMemoryStream stream(encoded([&](TWriter& w) { w.putString(text); }));
        TReader reader(stream, 4000);
        EXPECT_EQ(reader.getString(), text);
    }
}

TEST(TWriter, FullBufferGoesToTheStreamOnlyWhenAFurtherByteArrives) {
    TRecordingStream stream;
    {
        TWriter writer(stream, 4000);
        const Bytes block(4000, 0x41);
        writer.putBytes(block);
        EXPECT_TRUE(stream.pieces.empty());
        writer.putBoolean(true);  // the 4001st byte
        EXPECT_EQ(stream.pieces, std::vector<std::size_t>{4000});
    }
    EXPECT_EQ(stream.pieces, (std::vector<std::size_t>{4000, 1}));

    TRecordingStream untouched;
    TWriter idle(untouched, 4000);
    idle.flush();
    idle.release();
    EXPECT_TRUE(untouched.pieces.empty());
}

TEST(TWriter, AShortWriteIsAWriteError) {
    class TFullStream : public TMemoryStream {
    public:
        std::size_t write(std::span<const std::uint8_t> bytes) override {
            ++calls;
            return bytes.size() - 1;
        }
        int lastError() const override { return ENOSPC; }
        int calls = 0;
    } full;
    {
        TWriter writer(full, 4000);
        writer.putInteger(1);
        EXPECT_THROW(
            {
                try {
                    writer.release();
                } catch (const EWriteError& error) {
                    EXPECT_STREQ(error.what(), "Stream-Schreibfehler");
                    EXPECT_EQ(error.systemError(), ENOSPC);
                    throw;
                }
            },
            EWriteError);
    }
    EXPECT_EQ(full.calls, 1);  // the refused bytes are not sent again on destruction
}

TEST(TReader, ReleaseLeavesTheStreamBehindTheLastConsumedByte) {
    // A stream that delivers at most three bytes a read: short reads are no error.
    class TTrickleStream : public TMemoryStream {
    public:
        using TMemoryStream::TMemoryStream;
        std::size_t read(std::span<std::uint8_t> bytes) override {
            return TMemoryStream::read(bytes.first(std::min<std::size_t>(bytes.size(), 3)));
        }
    } stream(hexBytes("04 A0 86 01 00 02 07 09"));
    {
        TReader reader(stream, 4000);
        EXPECT_EQ(reader.getInteger(), 100000);
        EXPECT_EQ(reader.peekTag(), TValueTag::tagInt8);
    }
    EXPECT_EQ(stream.position(), 5u);
}

}  // namespace

namespace {

TEST(TWriter, TheBytesDoNotDependOnTheBufferSize) {
    const std::string high = std::string(50, '\xE4') + "\x80\x81" + std::string(20, 'a');
    auto put = [&](TWriter& w) {
        w.putString(high);
        w.putInteger(100000);
        w.putFloat(1.5L);
        w.putString(std::string(300, 'b'));
    };
    const Bytes expected = encoded(put);
    for (std::size_t size : {1u, 2u, 3u, 5u, 7u, 64u}) {
        TRecordingStream stream;
        {
            TWriter writer(stream, size);
            put(writer);
        }
        EXPECT_EQ(stream.bytes(), expected) << size;
        // Every piece but the last fills the buffer.
        for (std::size_t i = 0; i + 1 < stream.pieces.size(); ++i) {
            EXPECT_EQ(stream.pieces[i], size) << size;
        }
    }
}

}  // namespace
