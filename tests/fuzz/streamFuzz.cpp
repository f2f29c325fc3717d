// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to TBinTree's load, the JSON printer and a run of TReader reads,
// through the in-memory stream. Whatever is accepted must encode and decode to the same thing
// again.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "cli/treeJson.h"
#include "lib/errors.h"
#include "lib/libraryClasses.h"
#include "lib/treeclss.h"
#include "lib/valueStream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void check(bool condition) {
    if (!condition) std::abort();
}

Bytes saved(TBinTree& tree) {
    TMemoryStream stream;
    tree.saveToStream(stream);
    return stream.bytes();
}

// What a failed load kept is printed too: the JSON must hold no raw control byte and close
// every object it opens.
void printJson(const TBinTree& tree) {
    long open = 0;
    bool inString = false;
    bool escaped = false;
    writeTreeJson(tree, [&](std::string_view piece) {
        for (const char c : piece) {
            check(static_cast<unsigned char>(c) >= 0x20);
            if (inString) {
                if (!escaped && c == '"') inString = false;
                escaped = !escaped && c == '\\';
            } else if (c == '"') {
                inString = true;
            } else if (c == '{') {
                ++open;
            } else if (c == '}') {
                --open;
            }
        }
    });
    check(open == 0 && !inString);
}

void loadTree(const Bytes& bytes) {
    TBinTree tree;
    TMemoryStream stream(bytes);
    try {
        tree.loadFromStream(stream);
    } catch (const EStreamError&) {
        printJson(tree);
        return;
    }
    printJson(tree);
    // The checked load agrees, and one it finds no trailing bytes in consumed the whole input.
    TBinTree checked;
    TBinTree::LoadFindings findings;
    TMemoryStream checkedStream(bytes);
    checked.loadFromStream(checkedStream, findings);
    check(checked.compare(&tree) == 0);
    std::uint8_t next = 0;
    check(findings.trailingBytes == (checkedStream.read({&next, 1}) == 1));
    const Bytes once = saved(tree);
    TBinTree again;
    TMemoryStream onceStream(once);
    again.loadFromStream(onceStream);
    check(saved(again) == once);
}

// Encodes one item with put, then decodes it with get; returns what get read.
template <typename Put, typename Get>
auto roundTrip(Put put, Get get) {
    TMemoryStream stream;
    {
        TWriter writer(stream, 4000);
        put(writer);
    }
    stream.seekRelative(-static_cast<std::int64_t>(stream.bytes().size()));
    TReader reader(stream, 4000);
    return get(reader);
}

void readItems(const Bytes& bytes) {
    TMemoryStream stream(bytes);
    TReader reader(stream, 4000);
    try {
        for (int item = 0; item < 1000; ++item) {
            switch (reader.peekTag()) {
                case TValueTag::tagInt8:
                case TValueTag::tagInt16:
                case TValueTag::tagInt32:
                case TValueTag::tagInt64: {
                    const std::int64_t value = reader.getInt64();
                    check(roundTrip([&](TWriter& w) { w.putInt64(value); },
                                    [](TReader& r) { return r.getInt64(); }) == value);
                    break;
                }
                case TValueTag::tagExtended: {
                    const long double value = reader.getFloat();
                    const long double back = roundTrip([&](TWriter& w) { w.putFloat(value); },
                                                       [](TReader& r) { return r.getFloat(); });
                    check(std::memcmp(&value, &back, 10) == 0);
                    break;
                }
                case TValueTag::tagString:
                case TValueTag::tagLongString:
                case TValueTag::tagUtf8String:
                case TValueTag::tagWideString: {
                    const std::string text = reader.getString();
                    check(roundTrip([&](TWriter& w) { w.putString(text); },
                                    [](TReader& r) { return r.getString(); }) == text);
                    break;
                }
                case TValueTag::tagFalse:
                case TValueTag::tagTrue: {
                    const bool value = reader.getBoolean();
                    check(roundTrip([&](TWriter& w) { w.putBoolean(value); },
                                    [](TReader& r) { return r.getBoolean(); }) == value);
                    break;
                }
                default:
                    reader.getTag();
            }
        }
    } catch (const EReadError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (registerLibraryClasses(), true);
    (void)registered;
    const Bytes bytes(data, data + size);
    loadTree(bytes);
    readItems(bytes);
    return 0;
}
