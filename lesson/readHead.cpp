// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/readHead.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "gray/grayCycle.h"

namespace {

constexpr double kFullTurn = 360.0;
// Angles closer than this fraction of a sector to a boundary count as on it: floating-point
// boundaries such as 3 * 360.0 / 14, a few units in the last place off, then belong to the
// sector that starts there, while an angle a billionth of a degree below a boundary still
// lies in the sector before it.
constexpr double kOnBoundary = 1e-12;

// The bit count of words; raises std::invalid_argument when words or offsets do not fit.
std::size_t checkedBits(const std::vector<std::string>& words,
                        const std::vector<double>& ringOffsetsDegrees) {
    if (words.empty() || words.front().empty()) {
        throw std::invalid_argument("read head: the disk needs at least one word of one bit");
    }
    const std::size_t bits = words.front().size();
    if (std::any_of(words.begin(), words.end(),
                    [bits](const std::string& word) { return word.size() != bits; })) {
        throw std::invalid_argument("read head: the words differ in length");
    }
    if (!ringOffsetsDegrees.empty() && ringOffsetsDegrees.size() != bits) {
        throw std::invalid_argument("read head: " + std::to_string(ringOffsetsDegrees.size()) +
                                    " ring offsets for " + std::to_string(bits) + " rings");
    }
    return bits;
}

// The sector of n under angleDegrees, for any angle.
std::size_t sectorAt(double angleDegrees, std::size_t sectors) {
    const double position = angleDegrees / kFullTurn * static_cast<double>(sectors);
    const double nearest = std::round(position);
    const double start =
        std::abs(position - nearest) < kOnBoundary ? nearest : std::floor(position);
    double wrapped = std::fmod(start, static_cast<double>(sectors));
    if (wrapped < 0) wrapped += static_cast<double>(sectors);
    return static_cast<std::size_t>(wrapped);
}

// angleDegrees in [0, 360), with angles just below a full turn taken as 0.
double normalized(double angleDegrees, double sectorWidth) {
    double wrapped = std::fmod(angleDegrees, kFullTurn);
    if (wrapped < 0) wrapped += kFullTurn;
    return kFullTurn - wrapped < kOnBoundary * sectorWidth ? 0.0 : wrapped;
}

}  // namespace

std::string readAt(const std::vector<std::string>& words, double angleDegrees,
                   const std::vector<double>& ringOffsetsDegrees) {
    const std::size_t bits = checkedBits(words, ringOffsetsDegrees);
    if (!std::isfinite(angleDegrees)) {
        throw std::invalid_argument("read head: the angle is not a finite number");
    }
    std::string read(bits, '0');
    for (std::size_t ring = 0; ring < bits; ++ring) {
        // The ring turned counter-clockwise shows under the head what lay behind it before.
        const double offset = ringOffsetsDegrees.empty() ? 0.0 : ringOffsetsDegrees[ring];
        const std::size_t character = bits - 1 - ring;
        read[character] = words[sectorAt(angleDegrees - offset, words.size())][character];
    }
    return read;
}

TSweep sweep(const std::vector<std::string>& words, const std::vector<double>& ringOffsetsDegrees) {
    const std::size_t bits = checkedBits(words, ringOffsetsDegrees);
    const std::size_t sectors = words.size();
    const double width = kFullTurn / static_cast<double>(sectors);

    // Every angle at which the head itself or one sensor crosses a sector boundary.
    std::vector<double> cuts;
    for (std::size_t ring = 0; ring <= bits; ++ring) {
        const bool head = ring == bits;
        if (!head && ringOffsetsDegrees.empty()) continue;  // no offset: the head's own cuts
        const double offset = head ? 0.0 : ringOffsetsDegrees[ring];
        for (std::size_t boundary = 0; boundary < sectors; ++boundary) {
            cuts.push_back(normalized(static_cast<double>(boundary) * width + offset, width));
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end(),
                           [width](double a, double b) { return b - a < kOnBoundary * width; }),
               cuts.end());

    TSweep result{{}, 0, 0};
    std::size_t lastHeadSector = sectors;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        const double from = cuts[i];
        const double to = i + 1 < cuts.size() ? cuts[i + 1] : kFullTurn;
        // Inside the stretch no boundary lies, so its middle stands for all of it.
        const double middle = (from + to) / 2;
        std::string word = readAt(words, middle, ringOffsetsDegrees);
        const std::size_t head = sectorAt(middle, sectors);
        if (head == lastHeadSector && result.readings.back().word == word) {
            result.readings.back().toDegrees = to;
            continue;
        }
        lastHeadSector = head;
        const std::size_t before = (head + sectors - 1) % sectors;
        const bool misread =
            word != words[head] && word != words[(head + 1) % sectors] && word != words[before];
        const auto found = std::find(words.begin(), words.end(), word);
        const int position = found == words.end() ? -1 : static_cast<int>(found - words.begin());
        const bool jump = word != words[head] && word != words[before];
        if (misread) ++result.misreads;
        if (jump) ++result.jumps;
        result.readings.push_back({from, to, std::move(word), misread, position, jump});
    }
    return result;
}

std::vector<std::string> binaryWords(int n) {
    const std::int32_t bits = TGrayCycle::bitsNeeded(n);
    std::vector<std::string> words;
    for (int value = 0; value < n; ++value) words.push_back(dualString(value, bits));
    return words;
}
