// SPDX-License-Identifier: GPL-3.0-or-later
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
__attribute__((import_module("zyklora"), import_name("showRings"))) void jsShowRings(
    const char* names, std::size_t length, std::int32_t chosen, std::int32_t maxOffset,
    std::int32_t offset);
__attribute__((import_module("zyklora"), import_name("showHead"))) void jsShowHead(
    std::int32_t shown, const char* lines, std::size_t length, std::int32_t misread,
    std::int32_t turning);
__attribute__((import_module("zyklora"), import_name("tintStretch"))) void jsTintStretch(
    double centre, double outerRadius, double innerRadius, double startAngle, double endAngle);
__attribute__((import_module("zyklora"), import_name("drawHead"))) void jsDrawHead(
    double fromX, double fromY, double toX, double toY, double haloWidth, double lineWidth,
    std::int32_t misread);
__attribute__((import_module("zyklora"), import_name("drawSensor"))) void jsDrawSensor(
    double x, double y, double radius, std::int32_t one);
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

// The head's panel: its texts one a line (angle, word read, sector's word, verdict, offset,
// count line, turn button).
void showHead() {
    const TReadHeadPanel panel = page().headPanel();
    const std::string lines = panel.angle + '\n' + panel.word + '\n' + panel.sectorWord + '\n' +
                              panel.verdict + '\n' + page().offsetText() + '\n' +
                              page().countLine() + '\n' + page().turnButtonText();
    jsShowHead(page().readHeadShown() ? 1 : 0, lines.data(), lines.size(), panel.misread ? 1 : 0,
               page().turning() ? 1 : 0);
}

void showRings() {
    std::string names;
    for (const std::string& name : page().ringNames()) names += name + '\n';
    jsShowRings(names.data(), names.size(), page().offsetRing(), page().maxOffset(),
                page().offsetUnits());
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
    showRings();
    showHead();
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
    if (marked == 0) return;  // the saved picture is the disk alone
    if (const auto tint = page().misreadTint(side)) {
        for (const auto& [start, end] : tint->stretches) {
            jsTintStretch(tint->centre, tint->outerRadius, tint->innerRadius, start, end);
        }
    }
    if (const auto head = page().head(side)) {
        jsDrawHead(head->from.x, head->from.y, head->to.x, head->to.y, head->haloWidth,
                   head->lineWidth, page().headPanel().misread ? 1 : 0);
        for (const THeadShape::TSensor& sensor : head->sensors) {
            jsDrawSensor(sensor.centre.x, sensor.centre.y, head->sensorRadius, sensor.one ? 1 : 0);
        }
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

// Left (-1) or Right (+1) on the disk: the shown head turns a fine step, else the selection.
__attribute__((export_name("diskStep"))) void diskStep(std::int32_t step) {
    page().stepOnDisk(step < 0 ? -1 : 1);
    if (page().readHeadShown()) {
        showHead();
    } else {
        showSelection();
    }
}

// A press (dragged 0) or a move with the button held (dragged 1) at (x, y) of a side x side
// disk. Returns 1 when the disk needs painting.
__attribute__((export_name("diskPointer"))) std::int32_t diskPointer(std::int32_t side, double x,
                                                                     double y,
                                                                     std::int32_t dragged) {
    if (!std::isfinite(x) || !std::isfinite(y) || side < kMinDiskSide) return 0;
    if (!page().pointAt(side, x, y, dragged != 0)) return 0;
    if (page().readHeadShown()) {
        showHead();
    } else {
        showSelection();
    }
    return 1;
}

// "Lesekopf": shows the head (shown 1) or hides it.
__attribute__((export_name("readHead"))) void readHead(std::int32_t shown) {
    page().showReadHead(shown != 0);
    showHead();
}

// "Versatz": the ring turned (0 = the outermost) and its offset in hundredths of a degree.
__attribute__((export_name("setOffset"))) void setOffset(std::int32_t ring, std::int32_t units) {
    page().setOffsetRing(ring);
    page().setOffsetUnits(units);
    showHead();
}

// "Dualcode" on (1) or off.
__attribute__((export_name("setBinary"))) void setBinary(std::int32_t binary) {
    page().setBinary(binary != 0);
    showHead();
}

// "Drehen" or "Anhalten". Returns the milliseconds between frames when a turn began, else 0.
__attribute__((export_name("turn"))) std::int32_t turn() {
    page().startOrStopTurn();
    showHead();
    return page().turning() ? kHeadFrameMilliseconds : 0;
}

// One frame of the turn; returns 0 once the turn has ended.
__attribute__((export_name("turnFrame"))) std::int32_t turnFrame() {
    page().advanceTurn();
    showHead();
    return page().turning() ? 1 : 0;
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
