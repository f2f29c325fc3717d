// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/svgCanvas.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string_view>

#include "draw/pieWedge.h"
#include "lib/codePage.h"
#include "lib/decimalText.h"

namespace {

// Coordinates to a thousandth of a unit.
std::string number(double value) { return decimalText(value, 3); }

}  // namespace

std::string xmlEscaped(const std::string& text) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        // The sequence's length and the smallest code point it may carry (shorter forms are
        // overlong); 0 for a byte that starts no sequence.
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        std::uint32_t point = length == 1 ? lead : lead & (0x7Fu >> length);
        std::size_t taken = 1;
        while (length > 1 && taken < length && at + taken < text.size() &&
               (static_cast<unsigned char>(text[at + taken]) & 0xC0) == 0x80) {
            point = point << 6 | (static_cast<unsigned char>(text[at + taken]) & 0x3Fu);
            ++taken;
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        const bool valid = length != 0 && taken == length && point >= kSmallest[length] &&
                           point <= 0x10FFFF && (point < 0xD800 || point > 0xDFFF);
        if (!valid) {
            escaped += kReplacement;  // bytes that are no UTF-8
        } else if ((point < 0x20 && point != 0x09 && point != 0x0A && point != 0x0D) ||
                   point == 0xFFFE || point == 0xFFFF) {
            // A character that XML 1.0 forbids, also as a reference: dropped.
        } else if (point == '&') {
            escaped += "&amp;";
        } else if (point == '<') {
            escaped += "&lt;";
        } else if (point == '>') {
            escaped += "&gt;";
        } else if (point == '"') {
            escaped += "&quot;";
        } else {
            escaped.append(text, at, taken);
        }
        at += taken;
    }
    return escaped;
}

TSvgCanvas::TSvgCanvas(std::int32_t width, std::int32_t height, const std::string& title,
                       TColor face, std::optional<TPaper> paper)
    : m_width(width), m_height(height), m_face(face) {
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height);
    std::string size = "width=\"" + w + "\" height=\"" + h + "\"";
    if (paper) {
        size = "width=\"" + number(paper->widthMm) + "mm\" height=\"" + number(paper->heightMm) +
               "mm\"";
        m_unitsPerPoint = width / paper->widthMm * 25.4 / 72;
    }
    m_text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" " +
        size + " viewBox=\"0 0 " + w + " " + h + "\">\n<title>" + xmlEscaped(title) + "</title>\n";
}

std::string TSvgCanvas::css(TColor color) const {
    const TColor resolved = isSystemColor(color) ? m_face : color;
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", redOf(resolved), greenOf(resolved),
                  blueOf(resolved));
    return hex;
}

// The outline runs along the middle of the GDI shape's outer pixels.
std::string TSvgCanvas::filled() const {
    return " fill=\"" + css(m_brush) + "\" stroke=\"" + css(m_pen) + "\"/>\n";
}

void TSvgCanvas::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    m_text += "<rect x=\"" + number(x1 + 0.5) + "\" y=\"" + number(y1 + 0.5) + "\" width=\"" +
              number(x2 - x1 - 1) + "\" height=\"" + number(y2 - y1 - 1) + "\"" + filled();
}

void TSvgCanvas::ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    m_text += "<ellipse cx=\"" + number((x1 + x2) / 2.0) + "\" cy=\"" + number((y1 + y2) / 2.0) +
              "\" rx=\"" + number((x2 - x1 - 1) / 2.0) + "\" ry=\"" + number((y2 - y1 - 1) / 2.0) +
              "\"" + filled();
}

void TSvgCanvas::pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                     std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    const TPieWedge wedge = pieWedge(x1, y1, x2, y2, x3, y3, x4, y4);
    const double cx = wedge.centreX;
    const double cy = wedge.centreY;
    const double rx = (x2 - x1 - 1) / 2.0;
    const double ry = (y2 - y1 - 1) / 2.0;
    // Where the ray in the direction degrees from the centre meets the ellipse.
    const auto onEllipse = [&](double degrees) {
        const double dx = std::cos(degrees * std::numbers::pi / 180);
        const double dy = -std::sin(degrees * std::numbers::pi / 180);
        const double scale = 1 / std::hypot(dx / rx, dy / ry);
        return std::pair{cx + dx * scale, cy + dy * scale};
    };
    const auto [sx, sy] = onEllipse(wedge.startDegrees);
    const auto [ex, ey] = onEllipse(wedge.endDegrees);
    const double sweep = wedge.endDegrees - wedge.startDegrees;
    // Counter-clockwise on screen is SVG's sweep flag 0.
    const std::string radii = number(rx) + " " + number(ry) + " 0 ";
    std::string arc;
    if (sweep >= 360) {  // the whole ellipse, in two halves
        arc = "A" + radii + "1 0 " + number(2 * cx - sx) + " " + number(2 * cy - sy) + " A" +
              radii + "1 0 " + number(sx) + " " + number(sy);
    } else {
        arc = "A" + radii + (sweep > 180 ? "1" : "0") + " 0 " + number(ex) + " " + number(ey);
    }
    m_text += "<path d=\"M" + number(cx) + " " + number(cy) + " L" + number(sx) + " " + number(sy) +
              " " + arc + " Z\"" + filled();
}

void TSvgCanvas::moveTo(std::int32_t x, std::int32_t y) {
    m_x = x;
    m_y = y;
}

void TSvgCanvas::lineTo(std::int32_t x, std::int32_t y) {
    m_text += "<line x1=\"" + number(m_x + 0.5) + "\" y1=\"" + number(m_y + 0.5) + "\" x2=\"" +
              number(x + 0.5) + "\" y2=\"" + number(y + 0.5) + "\" stroke=\"" + css(m_pen) +
              "\"/>\n";
    moveTo(x, y);
}

// The text cell's top at y, as a GDI text cell stands; SVG places a text by its baseline.
void TSvgCanvas::textOut(std::int32_t x, std::int32_t y, const std::string& text) {
    // Four units to three points where the drawing is not on paper, as on a screen.
    const double units = m_font.size * (m_unitsPerPoint > 0 ? m_unitsPerPoint : 4.0 / 3);
    const std::string size =
        m_unitsPerPoint > 0 ? number(units) : std::to_string(m_font.size) + "pt";
    m_text += "<text x=\"";
    m_text += std::to_string(x) + "\" y=\"" + number(y + kTextAscentEms * units) +
              "\" font-family=\"" + xmlEscaped(m_font.name) + "\" font-size=\"" + size +
              (m_font.bold ? "\" font-weight=\"bold" : "") + "\" fill=\"" + css(m_font.color) +
              "\">" + xmlEscaped(ansiToUtf8(text)) + "</text>\n";
}

void TSvgCanvas::outlineRingStretch(double centreX, double centreY, double outerRadius,
                                    double innerRadius, double startRadians, double endRadians,
                                    TColor color, double width) {
    const auto point = [&](double radius, double angle) {
        return number(centreX + radius * std::cos(angle)) + " " +
               number(centreY - radius * std::sin(angle));
    };
    const std::string large = endRadians - startRadians > std::numbers::pi ? "1" : "0";
    const auto arc = [&](double radius, bool counterClockwise) {
        return " A" + number(radius) + " " + number(radius) + " 0 " + large +
               (counterClockwise ? " 0 " : " 1 ");
    };
    // Counter-clockwise on screen is SVG's sweep flag 0.
    m_text += "<path d=\"M" + point(outerRadius, startRadians) + arc(outerRadius, true) +
              point(outerRadius, endRadians) + " L" + point(innerRadius, endRadians) +
              arc(innerRadius, false) + point(innerRadius, startRadians) +
              " Z\" fill=\"none\" stroke=\"" + css(color) + "\" stroke-width=\"" + number(width) +
              "\"/>\n";
}
