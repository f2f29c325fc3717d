// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskTemplate.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <utility>
#include <vector>

#include "draw/pdfDocument.h"
#include "lib/codePage.h"
#include "lib/decimalText.h"
#include "maker/diskGeometry.h"

namespace {

constexpr double kPageWidth = 210;  // mm
constexpr double kPageHeight = 297;
constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kCheckBar = 100;
constexpr double kMarkRadius = 2;
constexpr double kMarkArm = 4;

// The page's drawing in mm from its top-left corner, y downwards: a line from (x, y) to
// (x2, y2), a circle round (x, y), or a text whose baseline starts at (x, y), size mm high, in
// plain ASCII and the German letters of Windows-1252.
struct TShape {
    enum class TKind : std::uint8_t { Line, Circle, Text } kind;
    double x;
    double y;
    double x2 = 0;
    double y2 = 0;
    double radius = 0;
    double width = 0;  // of the stroke; for a text its size
    std::string text = {};
};

TShape line(double x1, double y1, double x2, double y2, double width) {
    return {TShape::TKind::Line, x1, y1, x2, y2, 0, width};
}
TShape circle(double x, double y, double radius, double width) {
    return {TShape::TKind::Circle, x, y, 0, 0, radius, width};
}
TShape text(double x, double y, double size, std::string shown) {
    return {TShape::TKind::Text, x, y, 0, 0, 0, size, std::move(shown)};
}

// Lengths in mm and points to a thousandth.
std::string number(double value) { return decimalText(value, 3); }

std::vector<TShape> templatePage(const TDiskSettings& settings) {
    const TDiskGeometry geometry = diskGeometry(settings);
    const double cx = kPageWidth / 2;
    const double cy = kPageHeight / 2;
    std::vector<TShape> page;
    page.push_back(text(15, 20, 6,
                        "Sensorschablone: Zyklora-Codescheibe mit " +
                            std::to_string(geometry.disk.words.size()) + " Sektoren, " +
                            number(settings.diameter) + " mm"));
    page.push_back(text(15, 28, 3.5,
                        "Die Mitte der Welle auf das Kreuz in der Mitte legen; jeder Sensor "
                        "sitzt auf seiner Marke."));
    page.push_back(line(cx - 6, cy, cx + 6, cy, 0.2));
    page.push_back(line(cx, cy - 6, cx, cy + 6, 0.2));
    if (settings.shaft > 0) page.push_back(circle(cx, cy, settings.shaft / 2, 0.3));
    if (geometry.radius <= (kPageHeight - 60) / 2 && geometry.radius <= (kPageWidth - 20) / 2) {
        page.push_back(circle(cx, cy, geometry.radius, 0.2));
    }
    const double mirror = settings.mirror ? -1 : 1;
    for (std::size_t ring = 0; ring < geometry.rings.size(); ++ring) {
        const TRingBand& band = geometry.rings[ring];
        const double middle = (band.outer + band.inner) / 2;
        const double angle = mirror * band.turn * std::numbers::pi / 180;
        const double x = cx + middle * std::cos(angle);
        const double y = cy - middle * std::sin(angle);
        page.push_back(circle(x, y, kMarkRadius, 0.3));
        page.push_back(line(x - kMarkArm, y, x + kMarkArm, y, 0.15));
        page.push_back(line(x, y - kMarkArm, x, y + kMarkArm, 0.15));
        page.push_back(text(x + kMarkRadius + 0.5, y - kMarkRadius - 0.5, 2.5,
                            "Ring " + std::to_string(ring + 1)));
    }
    // The worksheets' check bar: one line of 100 mm.
    const double barY = kPageHeight - 20;
    page.push_back(line(15, barY, 15 + kCheckBar, barY, 0.5));
    page.push_back(text(15 + kCheckBar + 3, barY + 1.2, 3.5, "100 mm"));
    page.push_back(text(15, barY + 7, 3.2,
                        "Vor dem Gebrauch nachmessen: Die Linie ist genau 100 mm lang, wenn "
                        "ohne Anpassung an die Seite gedruckt wurde."));
    return page;
}

// Text in UTF-8 as a PDF string in WinAnsiEncoding.
std::string winAnsiString(const std::string& utf8) {
    return pdfString(
        utf8ToAnsi(std::span(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size())));
}

std::string xmlText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '<' ? std::string("&lt;") : c == '&' ? std::string("&amp;") : std::string(1, c);
    }
    return out;
}

}  // namespace

std::string templatePdf(const TDiskSettings& settings) {
    // Points from the bottom-left corner, as PDF draws.
    const auto px = [](double mm) { return number(mm * kPointsPerMm); };
    const auto py = [](double mm) { return number((kPageHeight - mm) * kPointsPerMm); };
    std::string content = "0 0 0 RG 0 0 0 rg 0 J\n";
    // A circle of four Bézier quarters; the control points lie 0.5523 of the radius away.
    const double k = 0.5523;
    for (const TShape& shape : templatePage(settings)) {
        if (shape.kind == TShape::TKind::Line) {
            content += number(shape.width * kPointsPerMm) + " w " + px(shape.x) + " " +
                       py(shape.y) + " m " + px(shape.x2) + " " + py(shape.y2) + " l S\n";
        } else if (shape.kind == TShape::TKind::Circle) {
            const double r = shape.radius;
            const double x = shape.x;
            const double y = shape.y;
            content += number(shape.width * kPointsPerMm) + " w " + px(x + r) + " " + py(y) +
                       " m " + px(x + r) + " " + py(y - k * r) + " " + px(x + k * r) + " " +
                       py(y - r) + " " + px(x) + " " + py(y - r) + " c " + px(x - k * r) + " " +
                       py(y - r) + " " + px(x - r) + " " + py(y - k * r) + " " + px(x - r) + " " +
                       py(y) + " c " + px(x - r) + " " + py(y + k * r) + " " + px(x - k * r) + " " +
                       py(y + r) + " " + px(x) + " " + py(y + r) + " c " + px(x + k * r) + " " +
                       py(y + r) + " " + px(x + r) + " " + py(y + k * r) + " " + px(x + r) + " " +
                       py(y) + " c S\n";
        } else {
            content += "BT /F1 " + number(shape.width * kPointsPerMm) + " Tf " + px(shape.x) + " " +
                       py(shape.y) + " Td " + winAnsiString(shape.text) + " Tj ET\n";
        }
    }
    TPdfDocument pdf("Sensorschablone");
    pdf.addPage(kPageWidth * kPointsPerMm, kPageHeight * kPointsPerMm);
    pdf.content() = std::move(content);
    return pdf.bytes();
}

std::string templateSvg(const TDiskSettings& settings) {
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"210mm\" height=\"297mm\" "
        "viewBox=\"0 0 210 297\">\n<rect width=\"210\" height=\"297\" fill=\"#ffffff\"/>\n";
    for (const TShape& shape : templatePage(settings)) {
        if (shape.kind == TShape::TKind::Line) {
            svg += "<line x1=\"" + number(shape.x) + "\" y1=\"" + number(shape.y) + "\" x2=\"" +
                   number(shape.x2) + "\" y2=\"" + number(shape.y2) +
                   "\" stroke=\"#000000\" stroke-width=\"" + number(shape.width) + "\"/>\n";
        } else if (shape.kind == TShape::TKind::Circle) {
            svg += "<circle cx=\"" + number(shape.x) + "\" cy=\"" + number(shape.y) + "\" r=\"" +
                   number(shape.radius) + "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" +
                   number(shape.width) + "\"/>\n";
        } else {
            svg += "<text x=\"" + number(shape.x) + "\" y=\"" + number(shape.y) +
                   "\" font-family=\"Helvetica, Arial, sans-serif\" font-size=\"" +
                   number(shape.width) + "\">" + xmlText(shape.text) + "</text>\n";
        }
    }
    return svg + "</svg>\n";
}
