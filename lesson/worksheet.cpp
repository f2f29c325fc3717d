// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/worksheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "draw/paper.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/diskLayout.h"
#include "gray/grayCycle.h"
#include "gray/grayTable.h"
#include "lesson/seededDraw.h"
#include "lesson/sheetFont.h"
#include "lib/canvas.h"
#include "lib/codePage.h"

namespace {

constexpr TColor kPaper = rgbColor(255, 255, 255);

// The printable area, between the margins.
constexpr std::int32_t kLeft = kSheetMargin;
constexpr std::int32_t kRight = kSheetWidth - kSheetMargin;
constexpr std::int32_t kTop = kSheetMargin;
constexpr std::int32_t kContentWidth = kRight - kLeft;
// Where the task's lines begin, where the kind's own content begins, and the check bar.
constexpr std::int32_t kTaskTop = 410;
constexpr std::int32_t kContentTop = 600;
constexpr std::int32_t kCheckBarY = 2700;
// The lowest line the content may reach: the check bar's label and ticks lie below it.
constexpr std::int32_t kContentBottom = 2650;

// A line of DejaVu Sans, ascent and descent, in ems; its baseline lies kTextAscentEms below the
// top, where the canvases put it.
constexpr double kLineEms = 1.17;
// The smallest size a text shrinks to; every text of every sheet fits at a larger one.
constexpr std::int32_t kMinPoints = 5;

// Sizes in points: the heading, the kind and variant line, the name fields, the task and the
// content's texts.
constexpr std::int32_t kHeadingPoints = 20;
constexpr std::int32_t kSubheadingPoints = 12;
constexpr std::int32_t kFieldPoints = 11;
constexpr std::int32_t kTextPoints = 10;
constexpr std::int32_t kSmallPoints = 8;

std::int32_t heightOf(std::int32_t points) {
    return static_cast<std::int32_t>(std::ceil(points * kSheetUnitsPerPoint * kLineEms));
}

std::int32_t baselineOf(std::int32_t points) {
    return static_cast<std::int32_t>(std::lround(points * kSheetUnitsPerPoint * kTextAscentEms));
}

// The sheets' texts are written in UTF-8; a canvas takes Windows-1252.
std::string ansi(std::string_view utf8) {
    return utf8ToAnsi(std::span(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()));
}

// The disk's own canvas: a side x side square at (left, top) of the page, on which paintDiskFan
// draws as on the window's image. The button face stands for the paper.
class TPlacedCanvas final : public TCanvas {
public:
    TPlacedCanvas(TCanvas& page, std::int32_t left, std::int32_t top, std::int32_t side)
        : m_page(page), m_left(left), m_top(top), m_side(side) {}

    std::int32_t width() const override { return m_side; }
    std::int32_t height() const override { return m_side; }

    void setPenColor(TColor color) override { m_page.setPenColor(onPaper(color)); }
    void setBrushColor(TColor color) override { m_page.setBrushColor(onPaper(color)); }
    void setFont(const TFont& font) override {
        TFont shown = font;
        shown.color = onPaper(font.color);
        m_page.setFont(shown);
    }
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        m_page.rectangle(x1 + m_left, y1 + m_top, x2 + m_left, y2 + m_top);
    }
    void ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        m_page.ellipse(x1 + m_left, y1 + m_top, x2 + m_left, y2 + m_top);
    }
    void pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
             std::int32_t y3, std::int32_t x4, std::int32_t y4) override {
        m_page.pie(x1 + m_left, y1 + m_top, x2 + m_left, y2 + m_top, x3 + m_left, y3 + m_top,
                   x4 + m_left, y4 + m_top);
    }
    void moveTo(std::int32_t x, std::int32_t y) override { m_page.moveTo(x + m_left, y + m_top); }
    void lineTo(std::int32_t x, std::int32_t y) override { m_page.lineTo(x + m_left, y + m_top); }
    void textOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        m_page.textOut(x + m_left, y + m_top, text);
    }

private:
    static TColor onPaper(TColor color) { return isSystemColor(color) ? kPaper : color; }

    TCanvas& m_page;
    std::int32_t m_left;
    std::int32_t m_top;
    std::int32_t m_side;
};

// A text fitted to its place: the size it is written in, its width and its Windows-1252 bytes.
struct TFitted {
    std::int32_t points;
    bool bold;
    std::int32_t width;
    std::string text;
};

// Shrinks the text from points down until it fits maxWidth; at kMinPoints it stays, which the
// tests rule out for every sheet.
TFitted fitted(std::string_view utf8, std::int32_t points, bool bold, std::int32_t maxWidth) {
    TFitted fit{points, bold, 0, ansi(utf8)};
    const double advance = sheetTextAdvance(fit.text, bold);
    for (;; --fit.points) {
        fit.width =
            static_cast<std::int32_t>(std::ceil(advance * fit.points * kSheetUnitsPerPoint / 1000));
        if (fit.width <= maxWidth || fit.points == kMinPoints) return fit;
    }
}

// Draws one sheet; the sheet's words, table and random choices are made on construction.
class TSheetPainter {
public:
    TSheetPainter(TCanvas& canvas, const TSheet& sheet, const TGrayCycle& cycle)
        : m_canvas(canvas),
          m_sheet(sheet),
          m_cycle(cycle),
          m_words(cycle.words()),
          m_random(std::uint64_t{sheet.variant} << 16 | static_cast<std::uint64_t>(sheet.n) << 8 |
                   static_cast<std::uint64_t>(sheet.kind)) {}

    // The toolbar's printed disk: the heading, the words and the filled disk, the check bar.
    void diskPage();

    void paint() {
        m_canvas.setPenColor(clBlack);
        m_canvas.setBrushColor(kPaper);
        header();
        switch (m_sheet.kind) {
            case TSheetKind::FillDisk:
                fillDisk();
                break;
            case TSheetKind::FillTable:
                fillTable();
                break;
            case TSheetKind::ReadDisk:
                readDisk();
                break;
        }
        checkBar();
    }

private:
    std::int32_t count() const { return m_sheet.n; }
    std::int32_t bits() const { return m_cycle.bitCount(); }

    void useFont(std::int32_t points, bool bold) {
        if (m_points == points && m_bold == bold) return;
        m_points = points;
        m_bold = bold;
        m_canvas.setFont(TFont{.name = kSheetFontName, .size = points, .bold = bold});
    }
    void write(std::int32_t x, std::int32_t y, const TFitted& fit) {
        useFont(fit.points, fit.bold);
        m_canvas.textOut(x, y, fit.text);
    }
    // Writes utf8 with its top-left corner at (x, y), as large as points allows within
    // maxWidth; returns its width.
    std::int32_t text(std::int32_t x, std::int32_t y, std::string_view utf8, std::int32_t points,
                      bool bold, std::int32_t maxWidth) {
        const TFitted fit = fitted(utf8, points, bold, maxWidth);
        write(x, y, fit);
        return fit.width;
    }
    // The same text ending at right.
    void textRight(std::int32_t right, std::int32_t y, std::string_view utf8, std::int32_t points,
                   bool bold, std::int32_t maxWidth) {
        const TFitted fit = fitted(utf8, points, bold, maxWidth);
        write(right - fit.width, y, fit);
    }
    // The same text centred on (x, y).
    void textCentred(double x, double y, std::string_view utf8, std::int32_t points, bool bold,
                     std::int32_t maxWidth) {
        const TFitted fit = fitted(utf8, points, bold, maxWidth);
        write(static_cast<std::int32_t>(std::lround(x - fit.width / 2.0)),
              static_cast<std::int32_t>(std::lround(y - heightOf(fit.points) / 2.0)), fit);
    }
    void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        m_canvas.moveTo(x1, y1);
        m_canvas.lineTo(x2, y2);
    }

    // The lines of a table at (left, top): a line under every row, the heading row's doubled,
    // and one beside every column. Drawn after the cells' texts, which stand on white cells.
    void grid(std::int32_t left, std::int32_t top, std::span<const std::int32_t> widths,
              std::int32_t rows, std::int32_t rowHeight);
    void header();
    void task(std::initializer_list<std::string> lines);
    void checkBar();
    void fillDisk();
    // The words numbered by position in columns from top on; returns where they end.
    std::int32_t wordColumns(std::int32_t top);
    // The disk filled with words, centred on the page from top on, its sectors numbered at the
    // rim, in bold where bold says.
    void numberedDisk(std::int32_t top, const std::vector<std::string>& words,
                      const std::function<bool(std::int32_t)>& bold);
    // count sectors drawn from the variant without repetition, in the order drawn.
    std::vector<std::int32_t> drawnSectors(std::int32_t count);
    void fillTable();
    void readDisk();
    // The disk's rings and sector lines without a black wedge, or the disk filled as the window
    // draws it, with its top-left corner at (left, top).
    void filledDisk(std::int32_t left, std::int32_t top, const std::vector<std::string>& words);
    // Writes label outside the rim of the disk at (left, top) in the middle of sector, as close
    // as its size allows; with tick, a short line from the rim points at the sector.
    void sectorLabel(std::int32_t left, std::int32_t top, std::int32_t sector,
                     std::string_view label, std::int32_t points, bool bold, bool tick);

    TCanvas& m_canvas;
    const TSheet& m_sheet;
    const TGrayCycle& m_cycle;
    const std::vector<std::string>& m_words;
    TSeededDraw m_random;
    std::int32_t m_points = 0;
    bool m_bold = false;
};

void TSheetPainter::grid(std::int32_t left, std::int32_t top, std::span<const std::int32_t> widths,
                         std::int32_t rows, std::int32_t rowHeight) {
    std::int32_t width = 0;
    for (const std::int32_t column : widths) width += column;
    for (std::int32_t row = 0; row <= rows; ++row) {
        const std::int32_t y = top + row * rowHeight;
        line(left, y, left + width, y);
        if (row == 1) line(left, y + 3, left + width, y + 3);
    }
    std::int32_t x = left;
    line(x, top, x, top + rows * rowHeight);
    for (const std::int32_t column : widths) {
        x += column;
        line(x, top, x, top + rows * rowHeight);
    }
}

void TSheetPainter::header() {
    text(kLeft, kTop, m_sheet.solution ? "Gray-Code – Lösung" : "Gray-Code – Arbeitsblatt",
         kHeadingPoints, true, kContentWidth);
    constexpr std::int32_t kHalf = kContentWidth / 2 - 20;
    constexpr std::int32_t kSubheadingTop = 250;
    text(kLeft, kSubheadingTop, sheetKindName(m_sheet.kind), kSubheadingPoints, true, kHalf);
    textRight(kRight, kSubheadingTop,
              "Variante " + std::to_string(m_sheet.variant) + " · " + std::to_string(count()) +
                  " Codewörter",
              kSubheadingPoints, false, kHalf);

    // Each field a label and a line to write on, up to where the next field begins.
    struct TField {
        std::string_view label;
        std::int32_t end;
    };
    constexpr std::int32_t kFieldTop = 330;
    constexpr std::int32_t kFieldGap = 50;
    std::int32_t x = kLeft;
    for (const TField& field :
         {TField{"Name:", 1100}, TField{"Klasse:", 1500}, TField{"Datum:", kRight}}) {
        const std::int32_t width = text(x, kFieldTop, field.label, kFieldPoints, false, 250);
        const std::int32_t rule = kFieldTop + baselineOf(kFieldPoints) + 4;
        line(x + width + 15, rule, field.end, rule);
        x = field.end + kFieldGap;
    }
}

void TSheetPainter::task(std::initializer_list<std::string> lines) {
    // One size for all lines: the largest in which each fits.
    std::int32_t points = kTextPoints;
    for (const std::string& sentence : lines) {
        points = std::min(points, fitted(sentence, kTextPoints, false, kContentWidth).points);
    }
    std::int32_t y = kTaskTop;
    for (const std::string& sentence : lines) {
        text(kLeft, y, sentence, points, false, kContentWidth);
        y += heightOf(points) + 6;
    }
}

void TSheetPainter::checkBar() {
    // The bar itself, one line, then a tick every centimetre, longer at both ends and halfway.
    line(kLeft, kCheckBarY, kLeft + kCheckBarLength, kCheckBarY);
    for (std::int32_t mm = 0; mm <= 100; mm += 10) {
        const std::int32_t x = kLeft + mm * 10;
        line(x, kCheckBarY, x, kCheckBarY + (mm % 50 == 0 ? 30 : 15));
    }
    text(kLeft + kCheckBarLength + 40, kCheckBarY - heightOf(kTextPoints) / 2, "100 mm",
         kTextPoints, true, kRight - kLeft - kCheckBarLength - 40);
    text(kLeft, kCheckBarY + 45,
         "Das Blatt ist maßstabsgetreu gedruckt, wenn dieser Balken genau 10 cm misst.", 9, false,
         kContentWidth);
}

void TSheetPainter::filledDisk(std::int32_t left, std::int32_t top,
                               const std::vector<std::string>& words) {
    m_canvas.setPenColor(clBlack);
    TPlacedCanvas disk(m_canvas, left, top, kSheetDiskSize);
    paintDiskFan(disk, words);
    m_canvas.setBrushColor(kPaper);
}

void TSheetPainter::sectorLabel(std::int32_t left, std::int32_t top, std::int32_t sector,
                                std::string_view label, std::int32_t points, bool bold, bool tick) {
    const TDiskLayout layout(kSheetDiskSize, bits(), count());
    const double angle = (layout.boundaryAngle(sector) + layout.boundaryAngle(sector + 1)) / 2;
    const double rim = layout.outerRadiusOfBit(0);
    constexpr double kTick = 30;
    if (tick) {
        const auto from = layout.pointAt(rim, angle);
        const auto to = layout.pointAt(rim + kTick, angle);
        line(left + static_cast<std::int32_t>(std::lround(from.x)),
             top + static_cast<std::int32_t>(std::lround(from.y)),
             left + static_cast<std::int32_t>(std::lround(to.x)),
             top + static_cast<std::int32_t>(std::lround(to.y)));
    }
    // The label's box touches the circle of radius clear in the label's direction.
    const TFitted fit = fitted(label, points, bold, kSheetDiskSize);
    const double clear = rim + (tick ? kTick : 0) + 12;
    const double halfExtent =
        (fit.width * std::abs(std::cos(angle)) + heightOf(fit.points) * std::abs(std::sin(angle))) /
        2;
    const auto centre = layout.pointAt(clear + halfExtent, angle);
    textCentred(left + centre.x, top + centre.y, label, points, bold, kSheetDiskSize);
}

std::vector<std::int32_t> TSheetPainter::drawnSectors(std::int32_t drawn) {
    std::vector<std::int32_t> sectors(static_cast<std::size_t>(count()));
    for (std::int32_t sector = 0; sector < count(); ++sector) {
        sectors[static_cast<std::size_t>(sector)] = sector;
    }
    for (std::int32_t i = 0; i < drawn; ++i) {
        std::swap(sectors[static_cast<std::size_t>(i)],
                  sectors[static_cast<std::size_t>(i + m_random.below(count() - i))]);
    }
    sectors.resize(static_cast<std::size_t>(drawn));
    return sectors;
}

void TSheetPainter::fillDisk() {
    // The variant fills a quarter of the sectors (at least two) in advance, so that the sheets
    // of a class differ and each has a check of its own; their numbers are bold.
    std::vector<std::int32_t> given = drawnSectors(std::max(2, count() / 4));
    std::sort(given.begin(), given.end());
    task({"Male jedes Codewort in den Sektor seiner Position aus (die Zahlen am Rand, ab 3 Uhr",
          "gegen den Uhrzeigersinn). Eine 1 wird schwarz, eine 0 bleibt weiß.",
          "Ring 1 außen trägt Bit 0, das letzte Zeichen; der innerste Ring das erste.",
          "Die Sektoren mit fetter Zahl sind schon ausgefüllt."});
    const std::int32_t top = wordColumns(kContentTop) + 70;
    const auto isGiven = [&given](std::int32_t sector) {
        return std::binary_search(given.begin(), given.end(), sector);
    };
    std::vector<std::string> shown = m_words;
    for (std::int32_t sector = 0; sector < count(); ++sector) {
        // A sector still to shade is drawn all white, as a blank disk is.
        auto& word = shown[static_cast<std::size_t>(sector)];
        if (!m_sheet.solution && !isGiven(sector)) word.assign(word.size(), '0');
    }
    numberedDisk(top, shown, isGiven);
}

std::int32_t TSheetPainter::wordColumns(std::int32_t top) {
    // Up to four columns of up to sixteen.
    const std::int32_t columns = std::min(4, (count() + 7) / 8);
    const std::int32_t rows = (count() + columns - 1) / columns;
    constexpr std::int32_t kColumnPitch = kContentWidth / 4;
    const std::int32_t rowPitch = heightOf(kTextPoints);
    for (std::int32_t word = 0; word < count(); ++word) {
        const std::int32_t x = kLeft + word / rows * kColumnPitch;
        const std::int32_t y = top + word % rows * rowPitch;
        textRight(x + 80, y, std::to_string(word + 1), kTextPoints, false, 80);
        text(x + 110, y, m_words[static_cast<std::size_t>(word)], kTextPoints, false,
             kColumnPitch - 130);
    }
    return top + rows * rowPitch;
}

void TSheetPainter::numberedDisk(std::int32_t top, const std::vector<std::string>& words,
                                 const std::function<bool(std::int32_t)>& bold) {
    const std::int32_t left = (kSheetWidth - kSheetDiskSize) / 2;
    filledDisk(left, top, words);
    const std::int32_t points = count() > 32 ? kSmallPoints : kTextPoints;
    for (std::int32_t sector = 0; sector < count(); ++sector) {
        sectorLabel(left, top, sector, std::to_string(sector + 1), points, bold(sector), false);
    }
}

void TSheetPainter::diskPage() {
    m_canvas.setPenColor(clBlack);
    m_canvas.setBrushColor(kPaper);
    text(kLeft, kTop, worksheetHeading(m_cycle), kHeadingPoints, true, kContentWidth);
    task(
        {"Die Codewörter nach ihrer Position; Position 1 beginnt bei 3 Uhr, gezählt wird gegen "
         "den Uhrzeigersinn.",
         "Ring 1 außen trägt Bit 0, das letzte Zeichen; der innerste Ring das erste. Schwarz ist "
         "1, weiß ist 0."});
    const std::int32_t top = wordColumns(kContentTop) + 70;
    numberedDisk(top, m_words, [](std::int32_t) { return false; });
    checkBar();
}

void TSheetPainter::fillTable() {
    task({"Fülle die leeren Felder aus: die Dualzahl, ihren Rechts-Shift und das XOR der beiden.",
          "Markiere unter „Entfernen“ mit *, welche Wörter für " + std::to_string(count()) +
              " Codewörter wegfallen.",
          // "übrigen" only where words are dropped.
          std::string("Schreibe darunter die") + (m_cycle.droppedCount() > 0 ? " übrigen" : "") +
              " Wörter der Spalte XOR in ihrer Reihenfolge als Zyklus auf."});
    const std::vector<TTableRow> rows = tableRows(m_cycle);
    const auto full = static_cast<std::int32_t>(rows.size());

    // Blank on the sheet: the whole XOR and Entfernen columns, and some Dualzahl and
    // Rechts-Shift cells, a third of each on average and at least one.
    std::vector<std::array<bool, kTableColumns>> blank(rows.size());
    for (std::size_t column : {std::size_t{1}, std::size_t{2}}) {
        bool any = false;
        for (auto& row : blank) any = (row[column] = m_random.below(3) == 0) || any;
        if (!any) blank[static_cast<std::size_t>(m_random.below(full))][column] = true;
    }
    for (auto& row : blank) row[3] = row[4] = true;

    // The cycle's numbered lines under the table, eight to a row.
    constexpr std::int32_t kSlotsPerRow = 8;
    constexpr std::int32_t kSlotWidth = kContentWidth / kSlotsPerRow;
    constexpr std::int32_t kSlotPitch = 58;
    constexpr std::int32_t kCycleGap = 60;
    const std::int32_t slotRows = (count() + kSlotsPerRow - 1) / kSlotsPerRow;
    const std::int32_t cycleHeight = heightOf(kTextPoints) + 20 + slotRows * kSlotPitch;

    // The table in one block, or two side by side for 64 rows, in the largest font that lets
    // both fit the width and rows fit above the cycle. Rows are 8 mm high where they fit (up to
    // 16 words), so that a hand can write in them.
    constexpr std::int32_t kRowsPerBlock = 32;
    constexpr std::int32_t kBlockGap = 60;
    constexpr std::int32_t kPadding = 12;
    constexpr std::int32_t kRoomyRow = 80;
    const std::int32_t blocks = (full + kRowsPerBlock - 1) / kRowsPerBlock;
    const std::int32_t blockRows = std::min(full, kRowsPerBlock);
    const std::int32_t rowHeight = std::min(
        kRoomyRow, (kContentBottom - cycleHeight - kCycleGap - kContentTop) / (blockRows + 1));
    std::int32_t points = kTextPoints;
    std::array<std::int32_t, kTableColumns> widths{};
    for (;; --points) {
        for (std::size_t column = 0; column < kTableColumns; ++column) {
            std::int32_t widest = fitted(kTableHeadings[column], points, true, kSheetWidth).width;
            for (const TTableRow& row : rows) {
                widest = std::max(widest, fitted(row[column], points, true, kSheetWidth).width);
            }
            widths[column] = widest + 2 * kPadding;
        }
        std::int32_t total = 0;
        for (const std::int32_t width : widths) total += width;
        if ((blocks * total + (blocks - 1) * kBlockGap <= kContentWidth &&
             heightOf(points) + 4 <= rowHeight) ||
            points == kMinPoints) {
            break;
        }
    }
    // The binary columns take the room left in the width, up to 8 mm per digit, so that a
    // digit written by hand gets at least 5 mm where the page allows it.
    constexpr std::array<std::size_t, 3> kBinaryColumns = {1, 2, 3};
    constexpr std::int32_t kMostPerDigit = 80;
    std::int32_t natural = 0;
    for (const std::int32_t width : widths) natural += width;
    const std::int32_t room = (kContentWidth - (blocks - 1) * kBlockGap) / blocks - natural;
    for (const std::size_t column : kBinaryColumns) {
        widths[column] =
            std::min(widths[column] + std::max(0, room) / 3, bits() * kMostPerDigit + 2 * kPadding);
    }
    std::int32_t blockWidth = 0;
    for (const std::int32_t width : widths) blockWidth += width;

    const auto cell = [&](std::int32_t x, std::int32_t y, std::size_t column,
                          std::string_view value, bool bold) {
        text(x + kPadding, y + (rowHeight - heightOf(points)) / 2, value, points, bold,
             widths[column] - 2 * kPadding);
    };
    for (std::int32_t block = 0; block < blocks; ++block) {
        const std::int32_t left = kLeft + block * (blockWidth + kBlockGap);
        const std::int32_t first = block * kRowsPerBlock;
        const std::int32_t shown = std::min(kRowsPerBlock, full - first);
        std::int32_t x = left;
        for (std::size_t column = 0; column < kTableColumns; ++column) {
            cell(x, kContentTop, column, kTableHeadings[column], true);
            for (std::int32_t row = 0; row < shown; ++row) {
                const auto index = static_cast<std::size_t>(first + row);
                const bool asked = blank[index][column];
                if ((asked && !m_sheet.solution) || rows[index][column].empty()) continue;
                // The answers of the solution stand out in bold.
                cell(x, kContentTop + (row + 1) * rowHeight, column, rows[index][column], asked);
            }
            x += widths[column];
        }
        grid(left, kContentTop, widths, shown + 1, rowHeight);
    }

    const std::int32_t cycleHeadingTop = kContentTop + (blockRows + 1) * rowHeight + kCycleGap;
    const std::int32_t cycleTop = cycleHeadingTop + heightOf(kTextPoints) + 20;
    text(kLeft, cycleHeadingTop,
         "Zyklus der " + std::to_string(count()) +
             " Codewörter (Position 1 ist das erste der Tabelle):",
         kTextPoints, true, kContentWidth);
    for (std::int32_t word = 0; word < count(); ++word) {
        const std::int32_t x = kLeft + word % kSlotsPerRow * kSlotWidth;
        const std::int32_t y = cycleTop + word / kSlotsPerRow * kSlotPitch;
        textRight(x + 60, y, std::to_string(word + 1) + ".", kTextPoints, false, 60);
        if (m_sheet.solution) {
            text(x + 78, y, m_words[static_cast<std::size_t>(word)], kTextPoints, true,
                 kSlotWidth - 100);
        }
        const std::int32_t rule = y + baselineOf(kTextPoints) + 4;
        line(x + 70, rule, x + kSlotWidth - 15, rule);
    }
}

void TSheetPainter::readDisk() {
    // Four to six sectors, drawn without repetition; they are labelled A, B, C … in the order
    // drawn, so that the letters do not simply follow the sectors.
    const std::int32_t labelled = std::min(count(), 4 + m_random.below(3));
    const std::vector<std::int32_t> sectors = drawnSectors(labelled);
    const auto letter = [](std::int32_t i) { return std::string(1, static_cast<char>('A' + i)); };

    task({"Lies die Codewörter der Sektoren A bis " + letter(labelled - 1) +
              " ab und trage sie mit ihrer Position ein.",
          "Ring 1 außen trägt Bit 0, das letzte Zeichen; der innerste Ring das erste. Schwarz "
          "ist 1, weiß ist 0.",
          "Position 1 ist der Sektor, der bei Start beginnt; gezählt wird gegen den "
          "Uhrzeigersinn."});

    const std::int32_t left = (kSheetWidth - kSheetDiskSize) / 2;
    const std::int32_t top = kContentTop + 100;
    filledDisk(left, top, m_words);
    const std::int32_t centreY = top + kSheetDiskSize / 2;
    // Start: a line out of the rim at 3 o'clock, beyond the sectors' letters.
    line(left + kSheetDiskSize, centreY, left + kSheetDiskSize + 100, centreY);
    text(left + kSheetDiskSize + 110, centreY - heightOf(kTextPoints) / 2, "Start", kTextPoints,
         true, kRight - left - kSheetDiskSize - 110);
    for (std::int32_t i = 0; i < labelled; ++i) {
        sectorLabel(left, top, sectors[static_cast<std::size_t>(i)], letter(i), kSubheadingPoints,
                    true, true);
    }

    // The answers' table: "Sektor | Codewort | Position".
    constexpr std::array<std::string_view, 3> kHeadings = {"Sektor", "Codewort", "Position"};
    constexpr std::array<std::int32_t, 3> kWidths = {250, 450, 300};
    constexpr std::int32_t kRowHeight = 70;
    constexpr std::int32_t kTableWidth = 1000;
    const std::int32_t tableLeft = (kSheetWidth - kTableWidth) / 2;
    const std::int32_t tableTop = top + kSheetDiskSize + 150;
    const std::int32_t inset = (kRowHeight - heightOf(kTextPoints)) / 2;
    const auto cell = [&](std::size_t column, std::int32_t row, std::string_view value, bool bold) {
        std::int32_t cellLeft = tableLeft;
        for (std::size_t before = 0; before < column; ++before) cellLeft += kWidths[before];
        text(cellLeft + 20, tableTop + row * kRowHeight + inset, value, kTextPoints, bold,
             kWidths[column] - 40);
    };
    for (std::size_t column = 0; column < kHeadings.size(); ++column) {
        cell(column, 0, kHeadings[column], true);
    }
    for (std::int32_t i = 0; i < labelled; ++i) {
        cell(0, i + 1, letter(i), true);
        if (!m_sheet.solution) continue;
        const std::int32_t sector = sectors[static_cast<std::size_t>(i)];
        cell(1, i + 1, m_words[static_cast<std::size_t>(sector)], true);
        cell(2, i + 1, std::to_string(sector + 1), true);
    }
    grid(tableLeft, tableTop, kWidths, labelled + 1, kRowHeight);
}

}  // namespace

bool paintSheet(TCanvas& canvas, const TSheet& sheet) {
    const std::optional<TCodeCount> count = TCodeCount::of(sheet.n);
    if (!count || sheet.variant < kMinSheetVariant || sheet.variant > kMaxSheetVariant) {
        return false;
    }
    TSheetPainter(canvas, sheet, TGrayCycle::of(*count)).paint();
    return true;
}

void paintDiskPage(TCanvas& canvas, const TGrayCycle& cycle) {
    const TSheet page{TSheetKind::FillDisk, cycle.codeCount(), kMinSheetVariant, true};
    TSheetPainter(canvas, page, cycle).diskPage();
}

std::string sheetKindName(TSheetKind kind) {
    switch (kind) {
        case TSheetKind::FillDisk:
            return "Scheibe ausfüllen";
        case TSheetKind::FillTable:
            return "Tabelle ausfüllen";
        case TSheetKind::ReadDisk:
            return "Scheibe ablesen";
    }
    return "";
}

std::string sheetTitle(const TSheet& sheet) {
    return std::string(sheet.solution ? "Lösung: " : "Arbeitsblatt: ") + sheetKindName(sheet.kind) +
           ", Variante " + std::to_string(sheet.variant) + ", " + std::to_string(sheet.n) +
           " Codewörter";
}

std::string sheetKindSlug(TSheetKind kind) {
    constexpr std::array<std::string_view, 3> kSlugs = {"scheibe-ausfuellen", "tabelle-ausfuellen",
                                                        "scheibe-ablesen"};
    return std::string(kSlugs[static_cast<std::size_t>(kind)]);
}

std::string sheetFileName(const TSheet& sheet, std::string_view extension) {
    std::string name = sheet.solution ? "loesung-" : "arbeitsblatt-";
    name += sheetKindSlug(sheet.kind);
    name += '-';
    name += std::to_string(sheet.n);
    name += "-v";
    name += std::to_string(sheet.variant);
    name += '.';
    name += extension;
    return name;
}

unsigned newSheetVariant(unsigned current, std::uint64_t entropy) {
    constexpr std::uint64_t kVariants = kMaxSheetVariant - kMinSheetVariant + 1;
    if (current < kMinSheetVariant || current > kMaxSheetVariant) {
        return kMinSheetVariant + static_cast<unsigned>(entropy % kVariants);
    }
    // One of the others: counted past current.
    const auto other = kMinSheetVariant + static_cast<unsigned>(entropy % (kVariants - 1));
    return other >= current ? other + 1 : other;
}
