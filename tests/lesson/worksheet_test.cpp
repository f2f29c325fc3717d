// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <stdexcept>

#include "gray/codeCount.h"
#include "gray/grayCycle.h"
#include "lesson/sheetFont.h"
#include "lib/codePage.h"
#include "tests/support/recordingCanvas.h"

namespace {

constexpr std::array kKinds = {TSheetKind::FillDisk, TSheetKind::FillTable, TSheetKind::ReadDisk};
constexpr std::array kCounts = {4, 10, 64};
constexpr std::array kVariants = {17u, 4711u};

std::string ansi(const std::string& utf8) {
    return utf8ToAnsi(std::span(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()));
}

// The cyclic code of n words, computed here apart from the engine.
std::string binary(int value, int bits) {
    std::string digits;
    for (int bit = bits - 1; bit >= 0; --bit) digits += (value >> bit & 1) != 0 ? '1' : '0';
    return digits;
}
int bitsFor(int n) { return static_cast<int>(std::ceil(std::log2(n))); }
bool dropped(int n, int index) {
    const int full = 1 << bitsFor(n);
    const int lowEnd = full / 4 + n / 2 - 1;
    return index > lowEnd && index <= lowEnd + full - n;
}
std::vector<std::string> cycleOf(int n) {
    std::vector<std::string> words;
    for (int i = 0; i < 1 << bitsFor(n); ++i) {
        if (!dropped(n, i)) words.push_back(binary(i ^ (i >> 1), bitsFor(n)));
    }
    return words;
}

// A text with the box the engine measures for it, and a shape's box or a line's ends.
struct TText {
    int x, y, width, height;
    std::string text;
    bool bold;
    double centreX() const { return x + width / 2.0; }
    double centreY() const { return y + height / 2.0; }
};
struct TBox {
    std::string kind;  // "ellipse", "pie", "rectangle" or "line"
    int x1, y1, x2, y2;
    std::string brush;
};

// What a recording canvas saw of one page, sorted by kind.
struct TPage {
    std::vector<std::string> calls;
    std::vector<TText> texts;
    std::vector<TBox> shapes;  // lines included, as (from, to)

    const TText* find(const std::string& utf8) const {
        const auto found = std::find_if(texts.begin(), texts.end(),
                                        [&](const TText& t) { return t.text == ansi(utf8); });
        return found == texts.end() ? nullptr : &*found;
    }
    std::vector<TBox> of(const std::string& kind) const {
        std::vector<TBox> found;
        std::copy_if(shapes.begin(), shapes.end(), std::back_inserter(found),
                     [&](const TBox& box) { return box.kind == kind; });
        return found;
    }
};

TPage parsed(const RecordingCanvas& canvas) {
    TPage page{canvas.calls, {}, {}};
    int points = 0;
    bool bold = false;
    std::string brush;
    int penX = 0;
    int penY = 0;
    for (const std::string& call : canvas.calls) {
        std::istringstream in(call);
        std::string name;
        in >> name;
        if (name == "font") {
            std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
            bold = words[words.size() - 2] == "bold";
            points = std::stoi(words[words.size() - (bold ? 3 : 2)]);
        } else if (name == "brush") {
            in >> brush;
        } else if (name == "textOut") {
            TText text{};
            text.bold = bold;
            in >> text.x >> text.y;
            in.get();
            std::getline(in, text.text);
            text.width = static_cast<int>(
                std::ceil(sheetTextAdvance(text.text, bold) * points * kSheetUnitsPerPoint / 1000));
            text.height = static_cast<int>(std::ceil(points * kSheetUnitsPerPoint * 1.17));
            page.texts.push_back(text);
        } else if (name == "moveTo") {
            in >> penX >> penY;
        } else if (name == "lineTo") {
            TBox line{"line", penX, penY, 0, 0, ""};
            in >> line.x2 >> line.y2;
            penX = line.x2;
            penY = line.y2;
            page.shapes.push_back(line);
        } else if (name == "ellipse" || name == "pie" || name == "rectangle") {
            TBox box{name, 0, 0, 0, 0, brush};
            in >> box.x1 >> box.y1 >> box.x2 >> box.y2;
            page.shapes.push_back(box);
        }
    }
    return page;
}

TPage draw(const TSheet& sheet) {
    RecordingCanvas canvas(kSheetWidth, kSheetHeight);
    paintSheet(canvas, sheet);
    return parsed(canvas);
}

// Every kind, count, variant, sheet and solution, as the tests below walk them.
template <typename Check>
void forEverySheet(Check check) {
    for (const TSheetKind kind : kKinds) {
        for (const int n : kCounts) {
            for (const unsigned variant : kVariants) {
                for (const bool solution : {false, true}) {
                    const TSheet sheet{kind, n, variant, solution};
                    SCOPED_TRACE(sheetTitle(sheet));
                    check(sheet, draw(sheet));
                }
            }
        }
    }
}

TEST(Worksheet, EveryPageHasItsHeadingFieldsVariantAndA100MillimetreCheckBar) {
    forEverySheet([](const TSheet& sheet, const TPage& page) {
        const std::string variant = "Variante " + std::to_string(sheet.variant) + " · " +
                                    std::to_string(sheet.n) + " Codewörter";
        for (const std::string& expected :
             {std::string(sheet.solution ? "Gray-Code – Lösung" : "Gray-Code – Arbeitsblatt"),
              sheetKindName(sheet.kind), std::string("Name:"), std::string("Klasse:"),
              std::string("Datum:"), variant}) {
            EXPECT_NE(page.find(expected), nullptr) << expected;
        }
        // One line from x to x + 1000, its label "100 mm" right of its end.
        const TText* label = page.find("100 mm");
        ASSERT_NE(label, nullptr);
        const auto lines = page.of("line");
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const TBox& line) {
            return line.y1 == line.y2 && line.x2 - line.x1 == 1000 && label->x >= line.x2 &&
                   std::abs(label->centreY() - line.y1) <= 10;
        }));
    });
}

TEST(Worksheet, EverythingStaysWithinTheMarginsAndNoTwoTextsOverlap) {
    constexpr int kLow = kSheetMargin;
    constexpr int kHighX = kSheetWidth - kSheetMargin;
    constexpr int kHighY = kSheetHeight - kSheetMargin;
    forEverySheet([](const TSheet&, const TPage& page) {
        for (const TText& text : page.texts) {
            EXPECT_TRUE(text.x >= kLow && text.x + text.width <= kHighX && text.y >= kLow &&
                        text.y + text.height <= kHighY)
                << text.text << " at " << text.x << ", " << text.y;
        }
        for (const TBox& box : page.shapes) {
            EXPECT_TRUE(std::min(box.x1, box.x2) >= kLow && std::max(box.x1, box.x2) <= kHighX &&
                        std::min(box.y1, box.y2) >= kLow && std::max(box.y1, box.y2) <= kHighY)
                << box.kind << ' ' << box.x1 << ' ' << box.y1 << ' ' << box.x2 << ' ' << box.y2;
        }
        for (std::size_t i = 0; i < page.texts.size(); ++i) {
            for (std::size_t j = i + 1; j < page.texts.size(); ++j) {
                const TText& a = page.texts[i];
                const TText& b = page.texts[j];
                const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x ||
                                   a.y + a.height <= b.y || b.y + b.height <= a.y;
                EXPECT_TRUE(apart) << a.text << " overlaps " << b.text;
            }
        }
    });
}

TEST(Worksheet, Disks120MillimetresAcrossBlankOnTheSheetAndBlackExactlyForAOneWhenFilled) {
    forEverySheet([](const TSheet& sheet, const TPage& page) {
        std::vector<TBox> rings = page.of("ellipse");
        const auto pies = page.of("pie");
        rings.insert(rings.end(), pies.begin(), pies.end());
        if (sheet.kind == TSheetKind::FillTable) {
            EXPECT_TRUE(rings.empty());
            return;
        }
        // Every ring and wedge around the rim's centre, the rim 1200 units across.
        ASSERT_FALSE(rings.empty());
        const TBox rim = *std::max_element(
            rings.begin(), rings.end(), [](auto& a, auto& b) { return a.x2 - a.x1 < b.x2 - b.x1; });
        EXPECT_EQ(rim.x2 - rim.x1, 1200);
        EXPECT_EQ(rim.y2 - rim.y1, 1200);
        for (const TBox& ring : rings) {
            EXPECT_EQ(ring.x1 + ring.x2, rim.x1 + rim.x2);
            EXPECT_EQ(ring.y1 + ring.y2, rim.y1 + rim.y2);
        }
        const int bits = bitsFor(sheet.n);
        // Ring by ring from the outside, sector by sector from 3 o'clock. The disk to shade
        // has a quarter of its sectors (at least two) filled, their numbers bold; the others
        // stay white.
        std::vector<std::string> words = cycleOf(sheet.n);
        if (sheet.kind == TSheetKind::FillDisk) {
            std::set<int> given;
            for (const TText& text : page.texts) {
                if (text.bold && !text.text.empty() &&
                    text.text.find_first_not_of("0123456789") == std::string::npos) {
                    given.insert(std::stoi(text.text) - 1);
                }
            }
            EXPECT_EQ(given.size(), static_cast<std::size_t>(std::max(2, sheet.n / 4)));
            for (int sector = 0; sector < sheet.n && !sheet.solution; ++sector) {
                auto& word = words[static_cast<std::size_t>(sector)];
                if (!given.contains(sector)) word.assign(word.size(), '0');
            }
        }
        ASSERT_EQ(pies.size(), static_cast<std::size_t>(sheet.n * bits));
        for (int ring = 0; ring < bits; ++ring) {
            for (int sector = 0; sector < sheet.n; ++sector) {
                const char bit = words[static_cast<std::size_t>(sector)]
                                      [static_cast<std::size_t>(bits - 1 - ring)];
                EXPECT_EQ(pies[static_cast<std::size_t>(ring * sheet.n + sector)].brush,
                          bit == '1' ? "black" : "ffffff")
                    << "ring " << ring << ", sector " << sector;
            }
        }
    });
}

// The toolbar's printed page: every word by its position, the disk filled with all of them on
// white paper, 120 mm across, and the check bar.
TEST(Worksheet, TheDiskPageShowsEveryWordAndTheWholeDiskOnWhite) {
    for (const int n : kCounts) {
        SCOPED_TRACE(n);
        RecordingCanvas canvas(kSheetWidth, kSheetHeight);
        paintDiskPage(canvas, TGrayCycle::of(*TCodeCount::of(n)));
        const TPage page = parsed(canvas);
        EXPECT_NE(page.find("Zyklischer Gray-Code mit n = " + std::to_string(n) + " Codewörtern"),
                  nullptr);
        const std::vector<std::string> words = cycleOf(n);
        const int bits = bitsFor(n);
        const auto pies = page.of("pie");
        ASSERT_EQ(pies.size(), static_cast<std::size_t>(n * bits));
        for (int sector = 0; sector < n; ++sector) {
            const std::string& word = words[static_cast<std::size_t>(sector)];
            EXPECT_NE(page.find(word), nullptr) << word;
            EXPECT_NE(page.find(std::to_string(sector + 1)), nullptr) << sector;
            for (int ring = 0; ring < bits; ++ring) {
                EXPECT_EQ(
                    pies[static_cast<std::size_t>(ring * n + sector)].brush,
                    word[static_cast<std::size_t>(bits - 1 - ring)] == '1' ? "black" : "ffffff");
            }
        }
        EXPECT_EQ(pies.front().x2 - pies.front().x1, kSheetDiskSize);
        for (const TBox& shape : page.shapes) {
            EXPECT_TRUE(shape.brush.empty() || shape.brush == "black" || shape.brush == "ffffff")
                << shape.brush;
        }
        const auto lines = page.of("line");
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const TBox& line) {
            return line.y1 == line.y2 && line.x2 - line.x1 == kCheckBarLength;
        }));
    }
}

// The task speaks of the words left over only where words are dropped.
TEST(Worksheet, FillTableSpeaksOfTheRemainingWordsOnlyWhereWordsAreDropped) {
    for (const auto& [n, dropped] : {std::pair{10, true}, {16, false}, {64, false}}) {
        const TPage page = draw({TSheetKind::FillTable, n, 1, false});
        const bool remaining = std::any_of(page.texts.begin(), page.texts.end(), [](auto& text) {
            return text.text.find(ansi("übrigen")) != std::string::npos;
        });
        EXPECT_EQ(remaining, dropped) << n;
    }
}

// Where the FillTable page's cycle begins: its heading "Zyklus der …".
int cycleTop(const TPage& page) {
    for (const TText& text : page.texts) {
        if (text.text.starts_with("Zyklus")) return text.y;
    }
    return 0;
}

// The FillTable page's cells by column: the texts standing left-aligned under each heading, by
// their (x, y), heading rows left out.
std::array<std::map<std::pair<int, int>, std::string>, 5> tableColumns(const TPage& page) {
    const std::array<std::string, 5> headings = {"Nummer", "Dualzahl", "Rechts-Shift", "XOR",
                                                 "Entfernen"};
    std::array<std::map<std::pair<int, int>, std::string>, 5> columns;
    for (std::size_t column = 0; column < headings.size(); ++column) {
        for (const TText& heading : page.texts) {
            if (heading.text != headings[column]) continue;
            for (const TText& text : page.texts) {
                if (text.x == heading.x && text.y > heading.y && text.y < cycleTop(page)) {
                    columns[column][{heading.x, text.y}] = text.text;
                }
            }
        }
    }
    return columns;
}

// Room to write up to 16 words: rows at least 7 mm high and the binary columns at least 5 mm
// per digit, read from the grid's lines; above that the table still fits the width.
TEST(Worksheet, FillTableCellsLeaveRoomToWriteUpToSixteenWords) {
    for (const int n : {4, 6, 10, 16, 32, 64}) {
        SCOPED_TRACE(std::to_string(n) + " words");
        const TPage page = draw({TSheetKind::FillTable, n, 17, false});
        std::set<int> columns;
        std::set<int> rows;
        for (const TBox& line : page.of("line")) {
            if (line.y1 >= cycleTop(page)) continue;
            if (line.x1 == line.x2) columns.insert(line.x1);
            if (line.y1 == line.y2) rows.insert(line.y1);
        }
        const std::vector<int> xs(columns.begin(), columns.end());
        std::vector<int> ys(rows.begin(), rows.end());
        std::erase_if(ys, [&rows](int y) { return rows.contains(y - 3); });  // the double rule
        ASSERT_GE(xs.size(), 6u);
        EXPECT_LE(xs.back(), kSheetWidth - kSheetMargin);
        if (n > 16) continue;
        for (std::size_t i = 1; i < ys.size(); ++i) EXPECT_GE(ys[i] - ys[i - 1], 70);
        for (const std::size_t column : {1u, 2u, 3u}) {
            EXPECT_GE(xs[column + 1] - xs[column], bitsFor(n) * 50) << "column " << column;
        }
    }
}

TEST(Worksheet, FillTableLeavesCellsBlankOnTheSheetOnlyAndTheSolutionFillsEveryCell) {
    for (const int n : kCounts) {
        for (const unsigned variant : kVariants) {
            SCOPED_TRACE(std::to_string(n) + " words, variant " + std::to_string(variant));
            const TPage sheet = draw({TSheetKind::FillTable, n, variant, false});
            const TPage solution = draw({TSheetKind::FillTable, n, variant, true});
            const auto asked = tableColumns(sheet);
            const auto answered = tableColumns(solution);
            const int full = 1 << bitsFor(n);

            // The solution: every row of the full code, as computed here.
            ASSERT_EQ(answered[0].size(), static_cast<std::size_t>(full));
            std::multiset<std::string> expected[5];
            std::multiset<std::string> found[5];
            for (int i = 0; i < full; ++i) {
                expected[0].insert(std::to_string(i));
                expected[1].insert(binary(i, bitsFor(n)));
                expected[2].insert(binary(i >> 1, bitsFor(n)));
                expected[3].insert(binary(i ^ (i >> 1), bitsFor(n)));
                if (dropped(n, i)) expected[4].insert("*");
            }
            for (std::size_t column = 0; column < 5; ++column) {
                for (const auto& [at, text] : answered[column]) found[column].insert(text);
                EXPECT_EQ(found[column], expected[column]) << "column " << column;
            }

            // The sheet: the numbers all there, XOR and Entfernen empty, and of Dualzahl and
            // Rechts-Shift some cells, each as on the solution.
            EXPECT_EQ(asked[0], answered[0]);
            EXPECT_TRUE(asked[3].empty());
            EXPECT_TRUE(asked[4].empty());
            for (const std::size_t column : {std::size_t{1}, std::size_t{2}}) {
                EXPECT_LT(asked[column].size(), answered[column].size()) << "column " << column;
                for (const auto& [at, text] : asked[column]) {
                    EXPECT_EQ(answered[column].at(at), text);
                }
            }
            // The cycle's lines: empty on the sheet, the words in order on the solution.
            const auto words = cycleOf(n);
            std::vector<std::string> cycle;
            ASSERT_EQ(cycleTop(sheet), cycleTop(solution));
            for (const TText& text : solution.texts) {
                if (text.y > cycleTop(solution) &&
                    std::find(words.begin(), words.end(), text.text) != words.end()) {
                    cycle.push_back(text.text);
                }
            }
            EXPECT_EQ(cycle, words);
            for (const TText& text : sheet.texts) {
                if (text.y > cycleTop(sheet)) {
                    EXPECT_EQ(std::count(words.begin(), words.end(), text.text), 0) << text.text;
                }
            }
        }
    }
}

// The ReadDisk page's labelled sectors: letter -> sector under it, from the letter's direction
// seen from the disk's centre.
std::map<std::string, int> labelledSectors(const TSheet& sheet, const TPage& page) {
    const TBox rim = page.of("pie").front();
    const double cx = (rim.x1 + rim.x2) / 2.0;
    const double cy = (rim.y1 + rim.y2) / 2.0;
    std::map<std::string, int> sectors;
    for (const TText& text : page.texts) {
        const bool letter = text.text.size() == 1 && text.text[0] >= 'A' && text.text[0] <= 'F';
        // Outside the rim, but not as far as the table under the disk.
        const double distance = std::hypot(text.centreX() - cx, text.centreY() - cy);
        if (!letter || distance < 600 || distance > 760) continue;
        double angle = std::atan2(cy - text.centreY(), text.centreX() - cx);
        if (angle < 0) angle += 2 * std::numbers::pi;
        sectors[text.text] = static_cast<int>(angle / (2 * std::numbers::pi) * sheet.n);
    }
    return sectors;
}

TEST(Worksheet, ReadDiskSolutionGivesEachLabelledSectorsWordAndPosition) {
    for (const int n : kCounts) {
        for (const unsigned variant : kVariants) {
            SCOPED_TRACE(std::to_string(n) + " words, variant " + std::to_string(variant));
            const TSheet asked{TSheetKind::ReadDisk, n, variant, false};
            const TSheet answered{TSheetKind::ReadDisk, n, variant, true};
            const TPage sheet = draw(asked);
            const TPage solution = draw(answered);
            const auto sectors = labelledSectors(answered, solution);
            EXPECT_EQ(labelledSectors(asked, sheet), sectors);
            ASSERT_GE(sectors.size(), std::min<std::size_t>(4, static_cast<std::size_t>(n)));
            ASSERT_LE(sectors.size(), 6u);
            EXPECT_EQ(sectors.rbegin()->first[0] - 'A' + 1, static_cast<int>(sectors.size()));

            // Each table row: the letter, then word and position to its right on its line.
            const auto words = cycleOf(n);
            const auto row = [](const TPage& page, const std::string& letter) {
                const TText* heading = page.find("Sektor");
                std::vector<std::string> cells;
                for (const TText& text : page.texts) {
                    if (text.text != letter || text.x != heading->x) continue;
                    for (const TText& cell : page.texts) {
                        if (cell.y == text.y && cell.x > text.x) cells.push_back(cell.text);
                    }
                }
                return cells;
            };
            for (const auto& [letter, sector] : sectors) {
                const std::vector<std::string> expected = {words[static_cast<std::size_t>(sector)],
                                                           std::to_string(sector + 1)};
                EXPECT_EQ(row(solution, letter), expected) << letter;
                EXPECT_TRUE(row(sheet, letter).empty()) << letter;
            }
        }
    }
}

TEST(Worksheet, TheSameVariantDrawsTheSameCallsAndAnotherOneOthers) {
    for (const TSheetKind kind : kKinds) {
        for (const int n : kCounts) {
            for (const bool solution : {false, true}) {
                const auto calls = [&](unsigned variant) {
                    // Apart from the variant's own number in its line.
                    std::vector<std::string> drawn = draw({kind, n, variant, solution}).calls;
                    std::erase_if(drawn, [](const std::string& call) {
                        return call.find("Variante") != std::string::npos;
                    });
                    return drawn;
                };
                SCOPED_TRACE(sheetTitle({kind, n, 17, solution}));
                EXPECT_EQ(calls(17), calls(17));
                // Every kind chooses anew: the blank cells, the sectors to read, the sectors
                // filled in advance.
                EXPECT_NE(calls(17), calls(4711));
                EXPECT_NE(calls(17), calls(18));
            }
        }
    }
}

TEST(Worksheet, CountsAndVariantsOutOfRangeAreRefused) {
    RecordingCanvas canvas(kSheetWidth, kSheetHeight);
    const std::vector<TSheet> refused = {
        {TSheetKind::FillDisk, 2, 1, false},           {TSheetKind::FillTable, 5, 1, false},
        {TSheetKind::ReadDisk, 66, 1, true},           {TSheetKind::FillDisk, -4, 1, false},
        {TSheetKind::FillTable, 10, 0, false},         {TSheetKind::ReadDisk, 10, 10000, false},
        {TSheetKind::FillDisk, 10, 4294967295u, true},
    };
    for (const TSheet& sheet : refused) {
        EXPECT_FALSE(paintSheet(canvas, sheet)) << sheetTitle(sheet);
    }
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_TRUE(paintSheet(canvas, {TSheetKind::FillDisk, 64, 9999, false}));
}

TEST(Worksheet, NewVariantIsAnotherOneInRange) {
    struct TCase {
        unsigned current;
        std::uint64_t entropy;
        unsigned expected;
    };
    const std::vector<TCase> cases = {
        {17, 0, 1},      {17, 15, 16},       {17, 16, 18},
        {1, 0, 2},       {9999, 9997, 9998}, {5000, 9997, 9999},
        {0, 9998, 9999}, {12000, 9999, 1},   {17, ~std::uint64_t{0}, 9947}};
    for (const TCase& c : cases) {
        EXPECT_EQ(newSheetVariant(c.current, c.entropy), c.expected)
            << c.current << ", " << c.entropy;
    }
}

TEST(Worksheet, NamesTitlesAndFileNames) {
    const TSheet sheet{TSheetKind::FillDisk, 10, 17, false};
    const TSheet solution{TSheetKind::ReadDisk, 64, 9999, true};
    EXPECT_EQ(sheetTitle(sheet), "Arbeitsblatt: Scheibe ausfüllen, Variante 17, 10 Codewörter");
    EXPECT_EQ(sheetTitle(solution), "Lösung: Scheibe ablesen, Variante 9999, 64 Codewörter");
    EXPECT_EQ(sheetKindName(TSheetKind::FillTable), "Tabelle ausfüllen");
    EXPECT_EQ(sheetFileName(sheet, "pdf"), "arbeitsblatt-scheibe-ausfuellen-10-v17.pdf");
    EXPECT_EQ(sheetFileName(solution, "svg"), "loesung-scheibe-ablesen-64-v9999.svg");
}

}  // namespace
