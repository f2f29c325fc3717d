// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One fixed corpus of about a million mixed items that every encoder writes and every decoder
// reads back: integers of every width and sign, 64-bit integers, short and 300-byte texts,
// texts with characters above 127, booleans and extended numbers.
struct CorpusItem {
    enum class Kind : std::uint8_t { Integer, Int64, Text, Boolean, Extended };
    Kind kind;
    std::int64_t integer = 0;  // Integer, Int64; Boolean (0 or 1)
    long double extended = 0;  // Extended
    std::uint32_t text = 0;    // Text: index into Corpus::texts
};

struct Corpus {
    std::vector<CorpusItem> items;
    // Windows-1252, as the library holds texts. The peers store texts as UTF-8 and convert
    // them with the library's own converter, so that every encoder does the same work.
    std::vector<std::string> texts;
};

// The corpus, made once on first use.
const Corpus& corpus();
