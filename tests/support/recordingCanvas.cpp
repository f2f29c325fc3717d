// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/recordingCanvas.h"

#include <sstream>

namespace {

std::string colorName(TColor color) {
    if (color == clBlack) return "black";
    if (color == clBtnFace) return "face";
    std::ostringstream out;
    out << std::hex << static_cast<std::uint32_t>(color);
    return out.str();
}

}  // namespace

void RecordingCanvas::record(const std::string& name, std::initializer_list<std::int32_t> numbers) {
    std::string line = name;
    for (std::int32_t number : numbers) line += ' ' + std::to_string(number);
    calls.push_back(line);
}

void RecordingCanvas::setPenColor(TColor color) { calls.push_back("pen " + colorName(color)); }
void RecordingCanvas::setBrushColor(TColor color) { calls.push_back("brush " + colorName(color)); }

void RecordingCanvas::setFont(const TFont& font) {
    calls.push_back("font " + font.name + ' ' + std::to_string(font.size) +
                    (font.bold ? " bold" : "") + ' ' + colorName(font.color));
}

void RecordingCanvas::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                std::int32_t y2) {
    record("rectangle", {x1, y1, x2, y2});
}

void RecordingCanvas::ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    record("ellipse", {x1, y1, x2, y2});
}

void RecordingCanvas::pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    record("pie", {x1, y1, x2, y2, x3, y3, x4, y4});
}

void RecordingCanvas::moveTo(std::int32_t x, std::int32_t y) { record("moveTo", {x, y}); }
void RecordingCanvas::lineTo(std::int32_t x, std::int32_t y) { record("lineTo", {x, y}); }

void RecordingCanvas::textOut(std::int32_t x, std::int32_t y, const std::string& text) {
    record("textOut", {x, y});
    calls.back() += ' ' + text;
}
