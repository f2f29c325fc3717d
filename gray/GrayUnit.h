// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gray/grayCycle.h"
#include "lib/baseClss.h"
#include "lib/listClss.h"

class TCanvas;

// One code word. Its writeValue appends the word as a line to the main window's listing.
class TCode : public TString {
public:
    static constexpr std::string_view kClassName = "TCode";

    using TString::TString;
    std::string_view className() const override { return kClassName; }

    void writeValue() override;
};

// A cyclic Gray code of exactly codeCount words, cut from the reflected binary Gray code of
// 2^bitCount words: the words lowEnd+1 .. highStart-1 of the full code are dropped, and the
// kept words still close into a cycle in which neighbours differ in one bit.
//
// Use: construct, generate once, then dualString and paintDisk as often as needed.
class TGray {
public:
    static constexpr std::int32_t kMaxCodeCount = 65534;

    // Stores count and creates the empty code list; computes nothing. Raises
    // std::invalid_argument unless count is even and 2 .. kMaxCodeCount: only an even count
    // closes the cycle, and the list holds at most 65535 words.
    explicit TGray(std::int32_t count);

    // Computes bitCount, fullCount, lowEnd and highStart from the cut, fills codes with the kept
    // words and writes them, one line each, to the listing of GrayWindow.
    void generate();

    // The smallest k with 2^k >= n. Raises std::invalid_argument for n < 1.
    static std::int32_t bitsNeeded(std::int32_t n) { return TGrayCycle::bitsNeeded(n); }
    // The binary digits of value, left-padded with "0" to bitCount characters; never cut.
    // 0 and below give bitCount zeros.
    std::string dualString(std::int32_t value) const;
    // Draws the code disk on GrayWindow's disk image, erasing what was there: one ring per bit
    // (the least significant bit outermost), one sector per word counter-clockwise from
    // 3 o'clock, black where the word has a 1, on the button-face colour.
    void paintDisk();
    // The same disk on any canvas, scaled to the canvas's width (a square is assumed).
    void paintDisk(TCanvas& image) const;

    std::int32_t fullCount() const { return m_fullCount; }
    std::int32_t lowEnd() const { return m_lowEnd; }
    std::int32_t highStart() const { return m_highStart; }
    std::int32_t bitCount() const { return m_bitCount; }
    std::int32_t codeCount() const { return m_codeCount; }
    // The kept words as TCode values, in table order. Reading moves the list's cursor.
    TListe& codes() { return m_codes; }
    // The cut that generate computed: positions, indices and the kept words. Only after
    // generate.
    const TGrayCycle& cycle() const { return *m_cycle; }

private:
    std::optional<TGrayCycle> m_cycle;
    std::int32_t m_fullCount = 0;
    std::int32_t m_lowEnd = 0;
    std::int32_t m_highStart = 0;
    TListe m_codes;
    std::int32_t m_bitCount = 0;
    std::int32_t m_codeCount;
};

// Draws the code disk of words on image as TGray::paintDisk does, with ring i + 1 (0 = the
// outermost) turned counter-clockwise by ringOffsetsDegrees[i]; empty means no offsets.
// The words are those of any disk of this layout, such as the plain binary disk.
void paintDisk(TCanvas& image, const std::vector<std::string>& words,
               const std::vector<double>& ringOffsetsDegrees = {});
// The same disk without erasing the image first: the rings' wedges and the centre disc only,
// outlined in the pen colour set before.
void paintDiskFan(TCanvas& image, const std::vector<std::string>& words,
                  const std::vector<double>& ringOffsetsDegrees = {});

// The table shown in the main window, or empty before the first OK click. The main window
// replaces it on each click; the last one lives until the program ends.
inline std::unique_ptr<TGray> CurrentGray;
