// The functions the page's script calls, and the page functions they call back. Numbers cross as
// they are; texts as a pointer into the module's memory and a length in bytes (UTF-8). Every
// input is checked here, so that the engine never throws: the module has no exception support.

#include <cmath>
#include <cstddef>
#include <string>

#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"
#include "gray/grayTable.h"
#include "web/grayPage.h"
#include "web/webCanvas.h"

extern "C" {
__attribute__((import_module("zyklora"), import_name("showListing"))) void jsShowListing(
    const char* heading, std::size_t headingLength, const char* lines, std::size_t length);
__attribute__((import_module("zyklora"), import_name("showTable"))) void jsShowTable(
    const char* text, std::size_t length);
__attribute__((import_module("zyklora"), import_name("showCycle"))) void jsShowCycle(
    std::int32_t cyclic, const char* text, std::size_t length);
__attribute__((import_module("zyklora"), import_name("showSelection"))) void jsShowSelection(
    std::int32_t word, const char* status, std::size_t statusLength, const char* disk,
    std::size_t diskLength);
__attribute__((import_module("zyklora"), import_name("markSector"))) void jsMarkSector(
    double centre, double outerRadius, double innerRadius, double startAngle, double endAngle,
    double fromX, double fromY, double toX, double toY, double outlineWidth, double changeWidth);
__attribute__((import_module("zyklora"), import_name("showSvg"))) void jsShowSvg(
    const char* text, std::size_t length);
}

namespace {

// The size of disk the page may ask for, in device pixels.
constexpr std::int32_t kMinDiskSide = 16;
constexpr std::int32_t kMaxDiskSide = 8192;

TWebCanvas& diskCanvas() {
    static TWebCanvas canvas;
    return canvas;
}

TGrayPage& page() {
    static TGrayPage shown(diskCanvas());
    return shown;
}

void showSelection() {
    const std::string status = page().statusLine();
    const std::string disk = page().diskDescription();
    jsShowSelection(page().selected().value_or(-1), status.data(), status.size(), disk.data(),
                    disk.size());
}

}  // namespace

extern "C" {

// OK for the number in the count field; a field that holds no number counts as 10, the
// field's first value. Returns the count built, which the field then shows.
__attribute__((export_name("ok"))) std::int32_t ok(double typed) {
    const double count =
        std::isfinite(typed) ? std::trunc(std::fmax(-1e9, std::fmin(typed, 1e9))) : 10;
    const std::int32_t built = page().ok(static_cast<std::int64_t>(count));
    std::string lines;
    for (const std::string& line : page().listing()) lines += line + '\n';
    const std::string heading = worksheetHeading(*page().gray());
    jsShowListing(heading.data(), heading.size(), lines.data(), lines.size());
    const std::string table = tableText(*page().gray());
    jsShowTable(table.data(), table.size());
    const TCycleCheck& check = page().cycleCheck();
    jsShowCycle(check.cyclic ? 1 : 0, check.text.data(), check.text.size());
    showSelection();
    return built;
}

// Draws the disk on a side x side canvas, with the selection's mark unless marked is 0.
__attribute__((export_name("paint"))) void paint(std::int32_t side, std::int32_t marked) {
    if (page().gray() == nullptr || side < kMinDiskSide || side > kMaxDiskSide) return;
    diskCanvas().resize(side);
    page().paintDisk();
    if (const auto mark = page().mark(side); mark && marked != 0) {
        jsMarkSector(mark->centre, mark->outerRadius, mark->innerRadius, mark->startAngle,
                     mark->endAngle, mark->changeFrom.x, mark->changeFrom.y, mark->changeTo.x,
                     mark->changeTo.y, mark->outlineWidth, mark->changeWidth);
    }
}

// Selects the word at cycle position word; returns 0 when there is no such word.
__attribute__((export_name("select"))) std::int32_t select(std::int32_t word) {
    if (!page().select(word)) return 0;
    showSelection();
    return 1;
}

// Selects the word step positions on along the cycle.
__attribute__((export_name("step"))) void step(std::int32_t step) {
    page().step(step);
    showSelection();
}

// The sector at (x, y) of a side x side disk, or -1.
__attribute__((export_name("sectorAt"))) std::int32_t sectorAt(std::int32_t side, double x,
                                                               double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return -1;
    return page().sectorAt(side, x, y).value_or(-1);
}

// The cycle position of the word in row index of the table, or -1 for a dropped word.
__attribute__((export_name("wordOfRow"))) std::int32_t wordOfRow(std::int32_t index) {
    if (page().gray() == nullptr) return -1;
    return wordOfFullIndex(*page().gray(), index).value_or(-1);
}

// The table row (0-based) of the word at cycle position word, or -1 for no such word.
__attribute__((export_name("rowOfWord"))) std::int32_t rowOfWord(std::int32_t word) {
    const TGray* gray = page().gray();
    if (gray == nullptr || word < 0 || word >= gray->codeCount()) return -1;
    return fullIndexOfWord(*gray, word);
}

// Hands the disk as an SVG document to the page, system colours in face (0x00BBGGRR).
__attribute__((export_name("diskSvg"))) void diskSvg(std::int32_t face) {
    const std::string svg = page().diskSvg(face & 0xFFFFFF);
    jsShowSvg(svg.data(), svg.size());
}
}
