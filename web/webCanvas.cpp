// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webCanvas.h"

#include <cstddef>
#include <numbers>

#include "draw/pieWedge.h"

// The page script's canvas functions.
extern "C" {
__attribute__((import_module("zyklora"), import_name("setPenColor"))) void jsSetPenColor(
    TColor color);
__attribute__((import_module("zyklora"), import_name("setBrushColor"))) void jsSetBrushColor(
    TColor color);
__attribute__((import_module("zyklora"), import_name("setFont"))) void jsSetFont(
    const char* name, std::size_t length, std::int32_t size, TColor color, std::int32_t bold);
__attribute__((import_module("zyklora"), import_name("rectangle"))) void jsRectangle(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
__attribute__((import_module("zyklora"), import_name("ellipse"))) void jsEllipse(std::int32_t x1,
                                                                                 std::int32_t y1,
                                                                                 std::int32_t x2,
                                                                                 std::int32_t y2);
// The wedge of the ellipse in the box from startRadians counter-clockwise on screen to endRadians.
__attribute__((import_module("zyklora"), import_name("pie"))) void jsPie(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, double startRadians,
    double endRadians);
__attribute__((import_module("zyklora"), import_name("moveTo"))) void jsMoveTo(std::int32_t x,
                                                                               std::int32_t y);
__attribute__((import_module("zyklora"), import_name("lineTo"))) void jsLineTo(std::int32_t x,
                                                                               std::int32_t y);
__attribute__((import_module("zyklora"), import_name("textOut"))) void jsTextOut(
    std::int32_t x, std::int32_t y, const char* text, std::size_t length);
}

void TWebCanvas::setPenColor(TColor color) { jsSetPenColor(color); }
void TWebCanvas::setBrushColor(TColor color) { jsSetBrushColor(color); }

void TWebCanvas::setFont(const TFont& font) {
    jsSetFont(font.name.data(), font.name.size(), font.size, font.color, font.bold ? 1 : 0);
}

void TWebCanvas::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    jsRectangle(x1, y1, x2, y2);
}

void TWebCanvas::ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    jsEllipse(x1, y1, x2, y2);
}

void TWebCanvas::pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                     std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    const TPieWedge wedge = pieWedge(x1, y1, x2, y2, x3, y3, x4, y4);
    constexpr double kRadians = std::numbers::pi / 180;
    jsPie(x1, y1, x2, y2, wedge.startDegrees * kRadians, wedge.endDegrees * kRadians);
}

void TWebCanvas::moveTo(std::int32_t x, std::int32_t y) { jsMoveTo(x, y); }
void TWebCanvas::lineTo(std::int32_t x, std::int32_t y) { jsLineTo(x, y); }

void TWebCanvas::textOut(std::int32_t x, std::int32_t y, const std::string& text) {
    jsTextOut(x, y, text.data(), text.size());
}
