// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

class TGrayCycle;

// How the cyclic Gray code of n words arises, step by step, and how a controller decodes a word
// read from its disk back to the word's place in the cycle. The window's and the page's
// construction views show these steps; both editions show the decoding of a selected word.

enum class TStepKind { Start, Mirror, Drop, Close };

struct TConstructionStep {
    TStepKind kind;
    std::vector<std::string> words;  // the whole list after this step, most significant bit first
    std::vector<int> marked;         // indices into words: the half this step added (Mirror),
                                     // the block it drops (Drop); empty for Start and Close
    std::string text;                // German explanation of this step, one or two sentences
    std::vector<int> numbers;        // each word's number as the table numbers it: its place in
                                     // the list, in the closed cycle its number in the full code
};

// The steps by which the cyclic code of n words arises: Start with "0" and "1", one Mirror for
// each further bit (the list, then its mirror image; "0" put in front of the first half, "1" in
// front of the second, which is marked), Drop (all 2^k words, the block that the table marks with
// "*" marked) and Close (the n kept words in the listing's order, its text ending with the cycle
// check).
std::vector<TConstructionStep> constructionSteps(const TGrayCycle& cycle);

// The numbers of the dropped block in the full code: "9 bis 14", or "5 und 6" for two; only
// for a cut that drops words.
std::string droppedNumbers(const TGrayCycle& cycle);

struct TDecoding {
    std::string binary;  // the word in binary: each bit the XOR of the Gray bits up to it
    int index;           // the value of binary: the word's number in the full reflected code
    int position;        // the word's place in the cycle of n words, 0-based, listing order
};

// The chain a controller computes for a word read from the disk of cycle; nothing for a text
// that is none of its words (another length, other characters, a dropped word).
std::optional<TDecoding> decodeWord(const TGrayCycle& cycle, const std::string& word);

// The decoding as one line, from the number in the full code (0-based) to the position in the
// cycle (1-based): "1100 → Dualzahl 1000 → Nummer 8 im vollständigen Code → 8 + 1 = Position 9
// von 10"; above the dropped block the block's length is taken away on the way, as in "→ 15 − 6
// entfernte Wörter + 1 = Position 10 von 10"; "" for what decodeWord refuses.
std::string decodingText(const TGrayCycle& cycle, const std::string& word);
