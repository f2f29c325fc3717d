// SPDX-License-Identifier: GPL-3.0-or-later
// The functions the page's script calls, and the page functions they call back. Numbers cross as
// they are; texts as a pointer into the module's memory and a length in bytes (UTF-8). Every
// input is checked here, so that the engine never throws: the module has no exception support.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "draw/lessonColors.h"
#include "gray/GrayUnit.h"
#include "gray/codeCount.h"
#include "gray/cycleCheck.h"
#include "gray/grayTable.h"
#include "lesson/sheetSet.h"
#include "lesson/worksheet.h"
#include "web/grayPage.h"
#include "web/webCanvas.h"

extern "C" {
__attribute__((import_module("zyklora"), import_name("showListing"))) void jsShowListing(
    const char* lines, std::size_t length);
__attribute__((import_module("zyklora"), import_name("showTable"))) void jsShowTable(
    const char* text, std::size_t length);
__attribute__((import_module("zyklora"), import_name("showCycle"))) void jsShowCycle(
    std::int32_t cyclic, const char* text, std::size_t length);
__attribute__((import_module("zyklora"), import_name("showSelection"))) void jsShowSelection(
    std::int32_t word, const char* status, std::size_t statusLength, const char* disk,
    std::size_t diskLength);
__attribute__((import_module("zyklora"), import_name("useColours"))) void jsUseColours(
    TColor selectionMark, TColor head, TColor misread, TColor tint, std::int32_t tintAlpha,
    TColor stepMarkedRow, TColor prefixBit);
__attribute__((import_module("zyklora"), import_name("markSector"))) void jsMarkSector(
    double centre, double outerRadius, double innerRadius, double startAngle, double endAngle,
    double width);
__attribute__((import_module("zyklora"), import_name("markChange"))) void jsMarkChange(
    double fromX, double fromY, double toX, double toY, double width);
__attribute__((import_module("zyklora"), import_name("showSvg"))) void jsShowSvg(
    const char* text, std::size_t length);
__attribute__((import_module("zyklora"), import_name("showSheet"))) void jsShowSheet(
    const char* svg, std::size_t svgLength, const char* fileName, std::size_t fileNameLength);
__attribute__((import_module("zyklora"), import_name("showSheetChoice"))) void jsShowSheetChoice(
    std::int32_t count, std::int32_t variant, std::int32_t copies, std::int32_t pages,
    const char* preview, std::size_t previewLength, const char* job, std::size_t jobLength);
__attribute__((import_module("zyklora"), import_name("saveFile"))) void jsSaveFile(
    const char* name, std::size_t nameLength, const char* bytes, std::size_t length);
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
    TColor color);
__attribute__((import_module("zyklora"), import_name("drawSensor"))) void jsDrawSensor(
    double x, double y, double radius, std::int32_t one, TColor rim);
__attribute__((import_module("zyklora"), import_name("showConstruction"))) void jsShowConstruction(
    std::int32_t shown, const char* lines, std::size_t length, const char* rows,
    std::size_t rowsLength, std::int32_t playing);
__attribute__((import_module("zyklora"), import_name("showPractice"))) void jsShowPractice(
    std::int32_t shown, const char* lines, std::size_t length, const char* choices,
    std::size_t choicesLength, std::int32_t picked, std::int32_t typed, std::int32_t checked,
    std::int32_t verdict, std::int32_t finished, std::int32_t repeat, const char* kinds,
    std::size_t kindsLength);
__attribute__((import_module("zyklora"), import_name("saveMoodle"))) void jsSaveMoodle(
    const char* name, std::size_t nameLength, const char* text, std::size_t length);
}

namespace {

// The size of disk the page may ask for, in device pixels.
constexpr std::int32_t kMinDiskSide = 16;
constexpr std::int32_t kMaxDiskSide = 8192;

TWebCanvas& diskCanvas() {
    static TWebCanvas canvas;
    return canvas;
}

// The construction panel's disk of the step shown.
TWebCanvas& stepCanvas() {
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
// count line, turn button, the reading's decoding, the reading log of the turn).
void showHead() {
    const TShownDisk& head = page().shownDisk();
    const TReadHeadPanel panel = head.panel();
    const std::string lines = panel.angle + '\n' + panel.word + '\n' + panel.sectorWord + '\n' +
                              panel.verdict + '\n' + head.offsetText() + '\n' + head.countLine() +
                              '\n' + head.turnButtonText() + '\n' + head.readingDecoding() + '\n' +
                              head.readingLog();
    jsShowHead(head.shown() ? 1 : 0, lines.data(), lines.size(), panel.misread ? 1 : 0,
               head.turning() ? 1 : 0);
}

// The construction panel: its texts one a line (counter, play button, step's text, what a screen
// reader announces), and its table's rows one a line (number, prefix bit, rest of the word, 1
// for a marked row, separated by tabs).
void showConstruction() {
    const TConstructionPlayer& player = page().construction();
    std::string lines;
    if (player.hasSteps()) {
        lines = player.counter() + '\n' + player.playButtonText() + '\n' + player.step().text +
                '\n' + player.announcement();
    }
    std::string rows;
    for (const TLessonSession::TStepRow& row : page().stepRows()) {
        rows += row.number + '\t' + row.prefix + '\t' + row.rest + '\t' + (row.marked ? '1' : '0') +
                '\n';
    }
    jsShowConstruction((page().panel() == TLessonPanel::Construction) ? 1 : 0, lines.data(),
                       lines.size(), rows.data(), rows.size(), player.playing() ? 1 : 0);
}

// The practice panel: its texts one a line (progress, question, button, feedback, score, the
// way to the answer after a wrong one, then the text typed, which may hold line breaks of its
// own); its choices one a line, each as its label ("a)   0110"), a tab and the word; the choice
// picked or -1; whether the task wants a typed answer, whether it is checked, the verdict (0
// none yet, 1 right, 2 wrong), whether the round is over and whether "Falsche Aufgaben
// wiederholen" is offered; the kinds ("Aufgabenarten") one a line, 1 or 0 for chosen, a tab and
// the name.
void showPractice() {
    const TPracticeRound& round = page().practice();
    const bool running = round.started() && !round.finished();
    std::string lines;
    std::string choices;
    bool typed = false;
    if (round.started()) {
        lines = (running ? round.progress() : "Runde beendet") + '\n' +
                (running ? round.task().question : "") + '\n' + round.buttonText() + '\n' +
                round.feedback() + '\n' + (running ? "" : round.score()) + '\n' +
                round.explanation() + '\n' + page().practice().typed();
    }
    if (running) {
        const std::vector<std::string>& words = round.task().choices;
        for (std::size_t i = 0; i < words.size(); ++i) {
            choices += choiceLabel(i) + "   " + words[i] + '\t' + words[i] + '\n';
        }
        typed = words.empty();
    }
    std::string kinds;
    for (const TTaskKind kind : kTaskKinds) {
        kinds += (round.kinds().has(kind) ? "1\t" : "0\t") + taskKindName(kind) + '\n';
    }
    const std::int32_t verdict = !round.checked() ? 0 : round.wasRight() ? 1 : 2;
    jsShowPractice(page().practising() ? 1 : 0, lines.data(), lines.size(), choices.data(),
                   choices.size(), round.picked().value_or(-1), typed ? 1 : 0,
                   round.checked() ? 1 : 0, verdict, round.started() && round.finished() ? 1 : 0,
                   round.canRepeatWrong() ? 1 : 0, kinds.data(), kinds.size());
}

// After a panel beside the disk opened or closed: the lesson panels, and the selection's
// texts, which follow the disk shown and stay hidden while practising.
void showPanels() {
    showHead();
    showConstruction();
    showPractice();
    showSelection();
}

// The worksheets that the sheet dialog's fields described when last read.
TSheetSet& chosenSheets() {
    static TSheetSet chosen{TSheetKind::FillDisk, TCodeCount::kMin, kMinSheetVariant, 1,
                            TSheetPart::Sheets};
    return chosen;
}

// What the practice's answer field holds, written here by the page's script.
constexpr std::size_t kAnswerCapacity = 256;
char answerBytes[kAnswerCapacity];

void showRings() {
    const TShownDisk& head = page().shownDisk();
    std::string names;
    for (const std::string& name : head.ringNames()) names += name + '\n';
    jsShowRings(names.data(), names.size(), head.ring(), head.maxOffset(), head.offsetUnits());
}

// What the head changed: its panel when it is shown, else the selection.
void showHeadOrSelection() {
    if (page().shownDisk().shown()) {
        showHead();
    } else {
        showSelection();
    }
}

// The selection's mark, the misread stretches and the head over the disk drawn on side pixels.
void paintOverDisk(std::int32_t side) {
    if (const auto mark = page().mark(side)) {
        jsMarkSector(mark->centre, mark->outerRadius, mark->innerRadius, mark->startAngle,
                     mark->endAngle, mark->outlineWidth);
        for (const auto& [from, to] : mark->changes) {
            jsMarkChange(from.x, from.y, to.x, to.y, mark->changeWidth);
        }
    }
    const TShownDisk& head = page().shownDisk();
    if (!head.shown()) return;
    const TDiskLayout layout(side, page().gray()->bitCount(), page().gray()->codeCount());
    constexpr double kRadians = std::numbers::pi / 180;
    for (const auto& [from, to] : head.misreadStretches()) {
        jsTintStretch(layout.centre(), layout.outerRadiusOfBit(0),
                      layout.outerRadiusOfBit(page().gray()->bitCount()), from * kRadians,
                      to * kRadians);
    }
    const THeadShape shape = head.headShape(side);
    const TColor color = head.reading().misread ? kMisreadColor : kHeadColor;
    jsDrawHead(shape.from.x, shape.from.y, shape.to.x, shape.to.y, shape.haloWidth, shape.lineWidth,
               color);
    for (const THeadShape::TSensor& sensor : shape.sensors) {
        jsDrawSensor(sensor.centre.x, sensor.centre.y, shape.sensorRadius, sensor.one ? 1 : 0,
                     color);
    }
}

}  // namespace

extern "C" {

// OK for the number in the count field. Infinities are clamped, and anything that is no number
// reads as the smallest count, as the window's count field reads it. Returns the count built,
// which the field then shows.
__attribute__((export_name("ok"))) std::int32_t ok(double typed) {
    const double count = std::trunc(std::fmin(std::fmax(typed, -1e9), 1e9));
    const std::int32_t built = page().ok(static_cast<std::int64_t>(count));
    std::string lines;
    for (const std::string& line : page().listing()) lines += line + '\n';
    jsShowListing(lines.data(), lines.size());
    const std::string table = tableText(*page().cycle());
    jsShowTable(table.data(), table.size());
    const TCycleCheck& check = page().cycleCheck();
    jsShowCycle(check.cyclic ? 1 : 0, check.text.data(), check.text.size());
    showSelection();
    showRings();
    showHead();
    showConstruction();
    showPractice();
    return built;
}

// Where the script writes the count field's text (UTF-8), and how many bytes fit.
constexpr std::size_t kCountCapacity = 64;
char countBytes[kCountCapacity];
__attribute__((export_name("countBuffer"))) char* countBuffer() { return countBytes; }
__attribute__((export_name("countCapacity"))) std::int32_t countCapacity() {
    return static_cast<std::int32_t>(kCountCapacity);
}

// OK for the count field's text, the first length bytes of the buffer, read as the window
// reads its field: text that is no whole number, or did not fit (length beyond the buffer),
// reads as the smallest count.
__attribute__((export_name("okTyped"))) std::int32_t okTyped(std::int32_t length) {
    const bool fits = length >= 0 && static_cast<std::size_t>(length) <= kCountCapacity;
    return ok(fits ? typedCount(std::string_view(countBytes, static_cast<std::size_t>(length)))
                   : TCodeCount::kMin);
}

// The toolbar action of a key press: the key as KeyboardEvent.key names it, written into the
// count buffer (length bytes), and whether Ctrl (or Cmd) and Shift are held. Returns the
// action's place in the toolbar's order, or -1 for a press that starts none.
__attribute__((export_name("actionOfKey"))) std::int32_t actionOfKey(std::int32_t length,
                                                                     std::int32_t ctrl,
                                                                     std::int32_t shift) {
    if (length < 0 || static_cast<std::size_t>(length) > kCountCapacity) return -1;
    const std::optional<TActionId> action = actionForKey(
        std::string_view(countBytes, static_cast<std::size_t>(length)), ctrl != 0, shift != 0);
    return action ? static_cast<std::int32_t>(*action) : -1;
}

// The colours drawn over the disk, of the misread verdict and of the construction's table;
// called once at start.
__attribute__((export_name("colours"))) void colours() {
    jsUseColours(kSelectionMarkColor, kHeadColor, kMisreadColor, kMisreadTintColor,
                 kMisreadTintAlpha, kStepMarkedRowColor, kPrefixBitColor);
}

// The side of the disk the page saves as a picture.
__attribute__((export_name("designedDiskSize"))) std::int32_t designedDiskSize() {
    return kDesignedDiskSize;
}

// Draws the disk shown on a side x side canvas; with marked 0 the disk alone, as it is saved,
// else with the selection's mark and the read head over it.
__attribute__((export_name("paint"))) void paint(std::int32_t side, std::int32_t marked) {
    if (page().gray() == nullptr || side < kMinDiskSide || side > kMaxDiskSide) return;
    diskCanvas().resize(side);
    page().paintDisk();
    if (marked != 0) paintOverDisk(side);
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
    showHeadOrSelection();
}

// Page Up (-1) or Page Down (+1) on the disk: the shown head turns a sector, else the selection.
__attribute__((export_name("diskSector"))) void diskSector(std::int32_t step) {
    page().sectorOnDisk(step < 0 ? -1 : 1);
    showHeadOrSelection();
}

// Home (0) or End (1) in the listing or the table: the first or the last word.
__attribute__((export_name("selectEnd"))) void selectEnd(std::int32_t last) {
    page().selectEnd(last != 0);
    showSelection();
}

// A press (dragged 0) or a move with the button held (dragged 1) at (x, y) of a side x side
// disk. Returns 1 when the disk needs painting.
__attribute__((export_name("diskPointer"))) std::int32_t diskPointer(std::int32_t side, double x,
                                                                     double y,
                                                                     std::int32_t dragged) {
    if (!std::isfinite(x) || !std::isfinite(y) || side < kMinDiskSide) return 0;
    if (!page().pointAt(side, x, y, dragged != 0)) return 0;
    showHeadOrSelection();
    return 1;
}

// "Lesekopf": shows the head (shown 1), closing the construction, or hides it; the selection's
// texts follow the disk shown.
__attribute__((export_name("readHead"))) void readHead(std::int32_t shown) {
    page().showPanel(TLessonPanel::ReadHead, shown != 0);
    showPanels();
}

// "Konstruktion": shows the construction panel (shown 1), closing the read head, or hides it.
__attribute__((export_name("construction"))) void construction(std::int32_t shown) {
    page().showPanel(TLessonPanel::Construction, shown != 0);
    showPanels();
}

// A button or key of the construction panel: 0 Left ("Zurück"), 1 Right ("Weiter"), 2 Home,
// 3 End, 4 Space ("Abspielen" or "Anhalten"); anything else does nothing. Returns the
// milliseconds between steps while playing, else 0.
__attribute__((export_name("constructionKey"))) std::int32_t constructionKey(std::int32_t key) {
    using TKey = TConstructionPlayer::TKey;
    constexpr TKey kKeys[] = {TKey::Left, TKey::Right, TKey::Home, TKey::End, TKey::Space};
    TConstructionPlayer& player = page().construction();
    if ((page().panel() == TLessonPanel::Construction) && key >= 0 &&
        key < static_cast<std::int32_t>(std::size(kKeys))) {
        player.press(kKeys[key]);
    }
    showConstruction();
    return player.playing() ? TConstructionPlayer::kStepMilliseconds : 0;
}

// One step of playing; returns 0 once playing has stopped.
__attribute__((export_name("constructionTick"))) std::int32_t constructionTick() {
    page().construction().tick();
    showConstruction();
    return page().construction().playing() ? 1 : 0;
}

// Draws the step's disk on a side x side canvas, with the outline of the block that the step
// marks.
__attribute__((export_name("paintStep"))) void paintStep(std::int32_t side) {
    const TConstructionPlayer& player = page().construction();
    if (!player.hasSteps() || side < kMinDiskSide || side > kMaxDiskSide) return;
    stepCanvas().resize(side);
    player.paintStepDisk(stepCanvas());
    if (const auto mark = player.markedSectors(side)) {
        jsMarkSector(mark->centre, mark->outerRadius, mark->innerRadius, mark->startAngle,
                     mark->endAngle, mark->outlineWidth);
    }
}

// "Versatz": the ring turned (0 = the outermost) and its offset in hundredths of a degree.
__attribute__((export_name("setOffset"))) void setOffset(std::int32_t ring, std::int32_t units) {
    page().shownDisk().setRing(ring);
    page().shownDisk().setOffsetUnits(units);
    showHead();
    showSelection();
}

// "Dualcode" on (1) or off.
__attribute__((export_name("setBinary"))) void setBinary(std::int32_t binary) {
    page().shownDisk().setBinary(binary != 0);
    showHead();
    showSelection();
}

// "Drehen" or "Anhalten". Returns the milliseconds between frames when a turn began, else 0.
__attribute__((export_name("turn"))) std::int32_t turn() {
    page().shownDisk().startOrStopTurn();
    showHead();
    return page().shownDisk().turning() ? kHeadFrameMilliseconds : 0;
}

// One frame of the turn; returns 0 once the turn has ended.
__attribute__((export_name("turnFrame"))) std::int32_t turnFrame() {
    page().shownDisk().advanceTurn();
    showHead();
    return page().shownDisk().turning() ? 1 : 0;
}

// The sector at (x, y) of a side x side disk, or -1.
__attribute__((export_name("sectorAt"))) std::int32_t sectorAt(std::int32_t side, double x,
                                                               double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return -1;
    return page().sectorAt(side, x, y).value_or(-1);
}

// The cycle position of the word in row index of the table, or -1 for a dropped word.
__attribute__((export_name("wordOfRow"))) std::int32_t wordOfRow(std::int32_t index) {
    if (page().cycle() == nullptr) return -1;
    return page().cycle()->positionOf(index).value_or(-1);
}

// The table row (0-based) of the word at cycle position word, or -1 for no such word.
__attribute__((export_name("rowOfWord"))) std::int32_t rowOfWord(std::int32_t word) {
    const TGrayCycle* cycle = page().cycle();
    if (cycle == nullptr || word < 0 || word >= cycle->codeCount()) return -1;
    return cycle->indexOf(word);
}

// Hands the disk shown to the page as the SVG document that both editions save.
__attribute__((export_name("diskSvg"))) void diskSvg() {
    const std::string svg = page().diskSvg();
    jsShowSvg(svg.data(), svg.size());
}

// "Üben": shows the practice panel (shown 1) in place of the table and the listing, closing the
// read head and the construction, or hides it, bringing back the selection.
__attribute__((export_name("practice"))) void practice(std::int32_t shown) {
    page().showPanel(TLessonPanel::Practice, shown != 0);
    showPanels();
}

// The seed of the round that the next OK starts.
__attribute__((export_name("practiceSeed"))) void practiceSeed(std::uint32_t seed) {
    page().setPracticeSeed(seed);
}

// A choice clicked (0-based).
__attribute__((export_name("practicePick"))) void practicePick(std::int32_t choice) {
    page().practice().pick(choice);
    showPractice();
}

// A key in the panel, as KeyboardEvent.key names it, written into the count buffer (length
// bytes): a letter of a choice picks it and returns 1, else 0, so that the key is typed.
__attribute__((export_name("practiceKey"))) std::int32_t practiceKey(std::int32_t length) {
    if (length < 0 || static_cast<std::size_t>(length) > kCountCapacity) return 0;
    const std::string_view key(countBytes, static_cast<std::size_t>(length));
    if (!page().practising() || !page().practice().pickByKey(key)) return 0;
    showPractice();
    return 1;
}

// "Falsche Aufgaben wiederholen".
__attribute__((export_name("practiceRepeatWrong"))) void practiceRepeatWrong() {
    if (page().practising()) page().practice().repeatWrong();
    showPractice();
}

// "Aufgabenarten": kind (0 NextWord .. 3 Decode) chosen (1) or dropped; the last kind stays.
__attribute__((export_name("practiceKind"))) void practiceKind(std::int32_t kind,
                                                               std::int32_t chosen) {
    if (kind >= 0 && kind < static_cast<std::int32_t>(kTaskKinds.size())) {
        page().practice().setKind(kTaskKinds[static_cast<std::size_t>(kind)], chosen != 0);
    }
    showPractice();
}

// Where the script writes the answer field's text (UTF-8), and how many bytes fit.
__attribute__((export_name("answerBuffer"))) char* answerBuffer() { return answerBytes; }
__attribute__((export_name("answerCapacity"))) std::int32_t answerCapacity() {
    return static_cast<std::int32_t>(kAnswerCapacity);
}

// The answer field now holds the first length bytes of the buffer.
__attribute__((export_name("practiceType"))) void practiceType(std::int32_t length) {
    const auto kept = static_cast<std::size_t>(
        std::clamp<std::int32_t>(length, 0, static_cast<std::int32_t>(kAnswerCapacity)));
    page().typeAnswer(std::string(answerBytes, kept));
}

// "Prüfen", "Weiter" or "Neue Runde", or Enter in the panel.
__attribute__((export_name("practiceConfirm"))) void practiceConfirm() {
    if (page().practising()) page().practice().confirm();
    showPractice();
}

// "Für Moodle speichern…": hands the question bank of the table's count, drawn from seed, to
// the page as a file to download.
__attribute__((export_name("moodle"))) void moodle(std::uint32_t seed) {
    if (page().gray() == nullptr) return;
    const std::string name = page().moodleFileName();
    const std::string xml = page().moodleXml(seed);
    jsSaveMoodle(name.data(), name.size(), xml.data(), xml.size());
}

// The count a worksheet is drawn for, from the typed number, as OK reads its count field.
__attribute__((export_name("sheetCount"))) std::int32_t sheetCount(double typed) {
    return shownCount(
        static_cast<std::int64_t>(std::trunc(std::fmin(std::fmax(typed, -1e9), 1e9))));
}

// The variant drawn, from the typed number: clamped into 1 .. 9999, no number reading as 1.
__attribute__((export_name("sheetVariant"))) std::int32_t sheetVariant(double typed) {
    if (!(typed >= kMinSheetVariant)) return static_cast<std::int32_t>(kMinSheetVariant);
    return static_cast<std::int32_t>(std::fmin(std::trunc(typed), kMaxSheetVariant));
}

// "Neue Variante": another variant than current, chosen by entropy (a random 32-bit number).
__attribute__((export_name("newVariant"))) std::int32_t newVariant(std::int32_t current,
                                                                   double entropy) {
    const double random = std::isfinite(entropy) ? std::fabs(std::trunc(entropy)) : 0;
    return static_cast<std::int32_t>(
        newSheetVariant(static_cast<unsigned>(sheetVariant(current)),
                        static_cast<std::uint64_t>(std::fmod(random, 1e15))));
}

// The number of sheets of a class set, from the typed number: clamped into 2 .. 40, no number
// reading as 2.
__attribute__((export_name("sheetCopies"))) std::int32_t sheetCopies(double typed) {
    if (!(typed >= kMinClassSet)) return kMinClassSet;
    return static_cast<std::int32_t>(std::fmin(std::trunc(typed), kMaxClassSet));
}

// The sheet dialog's fields: the kind (0 FillDisk, 1 FillTable, 2 ReadDisk), the count, the
// variant, "Lösung beilegen" (1 checked), "Klassensatz" (1 checked) and its number of sheets,
// read as sheetCount, sheetVariant and sheetCopies read them. Hands the numbers read, how many
// pages printing and "Als PDF speichern" give, the first of them as an A4 SVG document for the
// preview, and the print job's name. Returns 0 and hands nothing for another kind.
__attribute__((export_name("sheetChoose"))) std::int32_t sheetChoose(std::int32_t kind,
                                                                     double count, double variant,
                                                                     std::int32_t solution,
                                                                     std::int32_t classSet,
                                                                     double copies) {
    if (kind < 0 || kind > static_cast<std::int32_t>(TSheetKind::ReadDisk)) return 0;
    TSheetSet& chosen = chosenSheets();
    chosen = TSheetSet{static_cast<TSheetKind>(kind), sheetCount(count),
                       static_cast<unsigned>(sheetVariant(variant)), 1,
                       solution != 0 ? TSheetPart::SheetsAndSolutions : TSheetPart::Sheets};
    const std::int32_t copiesRead = sheetCopies(copies);
    if (classSet != 0) chosen.copies = copiesRead;
    const std::vector<TSheet> pages = sheetSetPages(chosen);
    const std::string preview = sheetSvg(pages.front());
    const std::string job = sheetSetFileName(chosen, "");
    jsShowSheetChoice(chosen.n, static_cast<std::int32_t>(chosen.variant), copiesRead,
                      static_cast<std::int32_t>(pages.size()), preview.data(), preview.size(),
                      job.data(), job.size());
    return 1;
}

// Hands the page that "Drucken" prints for the table shown as an A4 SVG document in
// millimetres, with the print job's name ("codescheibe-10"). Returns 0 and hands nothing before
// the first table.
__attribute__((export_name("diskPage"))) std::int32_t diskPage() {
    const TGrayCycle* cycle = page().cycle();
    if (cycle == nullptr) return 0;
    const std::string document = diskPageSvg(*cycle);
    const std::string name = codeDiskFileName(*cycle, "");
    jsShowSheet(document.data(), document.size(), name.data(), name.size());
    return 1;
}

// Hands page index of the sheets chosen last as an A4 SVG document in millimetres, with its file
// name. Returns 0 and hands nothing for no such page.
__attribute__((export_name("sheetPage"))) std::int32_t sheetPage(std::int32_t index) {
    const std::vector<TSheet> pages = sheetSetPages(chosenSheets());
    if (index < 0 || static_cast<std::size_t>(index) >= pages.size()) return 0;
    const TSheet& page = pages[static_cast<std::size_t>(index)];
    const std::string document = sheetSvg(page);
    const std::string name = sheetFileName(page, "svg");
    jsShowSheet(document.data(), document.size(), name.data(), name.size());
    return 1;
}

// "Als PDF speichern" (solutionsOnly 0) or "Nur Lösung als PDF speichern" (1): the sheets chosen
// last, or their solutions alone, as one PDF document, handed to the page to download.
__attribute__((export_name("sheetPdf"))) void sheetPdf(std::int32_t solutionsOnly) {
    TSheetSet saved = chosenSheets();
    if (solutionsOnly != 0) saved.part = TSheetPart::Solutions;
    const std::string name = sheetSetFileName(saved, "pdf");
    const std::string pdf = sheetSetPdf(saved);
    jsSaveFile(name.data(), name.size(), pdf.data(), pdf.size());
}
}
