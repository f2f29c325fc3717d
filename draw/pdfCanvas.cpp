// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/pdfCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "draw/pieWedge.h"

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kRadians = std::numbers::pi / 180;

// "r g b" of a colour, each from 0 to 1.
std::string components(TColor color) {
    std::string out = pdfNumber(redOf(color) / 255.0);
    out += ' ';
    out += pdfNumber(greenOf(color) / 255.0);
    out += ' ';
    out += pdfNumber(blueOf(color) / 255.0);
    return out;
}

}  // namespace

TPdfCanvas::TPdfCanvas(std::int32_t width, std::int32_t height, TPaper paper, std::string title,
                       TColor face)
    : m_width(width),
      m_height(height),
      m_face(face),
      m_document(std::move(title)),
      m_pageWidth(paper.widthMm * kPointsPerMm),
      m_pageHeight(paper.heightMm * kPointsPerMm),
      m_scaleX(m_pageWidth / width),
      m_scaleY(m_pageHeight / height) {
    newPage();
}

void TPdfCanvas::newPage() {
    m_document.addPage(m_pageWidth, m_pageHeight);
    m_strokeSet.reset();
    m_fillSet.reset();
    // Outlines one unit wide.
    m_document.content() += pdfNumber(m_scaleX) + " w\n";
}

std::string TPdfCanvas::at(double x, double y) const {
    return pdfNumber(x * m_scaleX) + " " + pdfNumber(m_pageHeight - y * m_scaleY);
}

void TPdfCanvas::stroke(TColor color) {
    const TColor resolved = isSystemColor(color) ? m_face : color;
    if (m_strokeSet == resolved) return;
    m_strokeSet = resolved;
    m_document.content() += components(resolved) + " RG\n";
}

void TPdfCanvas::fill(TColor color) {
    const TColor resolved = isSystemColor(color) ? m_face : color;
    if (m_fillSet == resolved) return;
    m_fillSet = resolved;
    m_document.content() += components(resolved) + " rg\n";
}

void TPdfCanvas::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    stroke(m_pen);
    fill(m_brush);
    // From the bottom-left corner, as PDF's re takes it.
    m_document.content() += at(x1 + 0.5, y2 - 0.5) + " " + pdfNumber((x2 - x1 - 1) * m_scaleX) +
                            " " + pdfNumber((y2 - y1 - 1) * m_scaleY) + " re B\n";
}

void TPdfCanvas::ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    stroke(m_pen);
    fill(m_brush);
    arc((x1 + x2) / 2.0, (y1 + y2) / 2.0, (x2 - x1 - 1) / 2.0, (y2 - y1 - 1) / 2.0, 0, 360, "m");
    m_document.content() += "h B\n";
}

void TPdfCanvas::pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                     std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    stroke(m_pen);
    fill(m_brush);
    const TPieWedge wedge = pieWedge(x1, y1, x2, y2, x3, y3, x4, y4);
    // Equal rays draw the whole ellipse, its radius to the start included, as GDI does.
    m_document.content() += at(wedge.centreX, wedge.centreY) + " m\n";
    arc(wedge.centreX, wedge.centreY, (x2 - x1 - 1) / 2.0, (y2 - y1 - 1) / 2.0, wedge.startDegrees,
        wedge.endDegrees - wedge.startDegrees, "l");
    m_document.content() += "h B\n";
}

void TPdfCanvas::arc(double cx, double cy, double rx, double ry, double startDegrees,
                     double sweepDegrees, const char* toStart) {
    // A ray at angle a meets the ellipse at the parameter t with tan t = rx / ry * tan a, in the
    // same quadrant, so that the sweep in t differs from the sweep in a by less than half a turn.
    // The arc runs in t, in pieces of at most a quarter, each one cubic Bézier curve whose
    // control points lie 4/3 tan(piece / 4) along the tangents.
    // A box one pixel wide or high has a flat ellipse; its parameter is taken as if barely not.
    const double flatX = std::max(rx, 1e-9);
    const double flatY = std::max(ry, 1e-9);
    const auto parameter = [&](double degrees) {
        return std::atan2(std::sin(degrees * kRadians) / flatY,
                          std::cos(degrees * kRadians) / flatX);
    };
    const double from = parameter(startDegrees);
    const double turned = sweepDegrees * kRadians;
    const double sweep =
        turned + std::remainder(parameter(startDegrees + sweepDegrees) - from - turned,
                                2 * std::numbers::pi);
    const int pieces =
        std::max(1, static_cast<int>(std::ceil(sweep / (std::numbers::pi / 2) - 1e-9)));
    const double piece = sweep / pieces;
    const double k = 4.0 / 3 * std::tan(piece / 4);
    // Counter-clockwise on screen, where y grows downwards: along the tangent by along.
    const auto point = [&](double t, double along) {
        return at(cx + rx * (std::cos(t) - along * std::sin(t)),
                  cy - ry * (std::sin(t) + along * std::cos(t)));
    };
    std::string& content = m_document.content();
    content += point(from, 0);
    content += ' ';
    content += toStart;
    content += '\n';
    for (int i = 0; i < pieces; ++i) {
        const double t0 = from + i * piece;
        const double t1 = t0 + piece;
        content += point(t0, k) + " " + point(t1, -k) + " " + point(t1, 0) + " c\n";
    }
}

void TPdfCanvas::moveTo(std::int32_t x, std::int32_t y) {
    m_x = x;
    m_y = y;
}

void TPdfCanvas::lineTo(std::int32_t x, std::int32_t y) {
    stroke(m_pen);
    m_document.content() += at(m_x + 0.5, m_y + 0.5) + " m " + at(x + 0.5, y + 0.5) + " l S\n";
    moveTo(x, y);
}

void TPdfCanvas::textOut(std::int32_t x, std::int32_t y, const std::string& text) {
    fill(m_font.color);
    // A point of the font is a point on the paper; the baseline lies an ascent below the top.
    const double size = m_font.size;
    const double baseline = y + kTextAscentEms * size / m_scaleY;
    std::string& content = m_document.content();
    content += m_font.bold ? "BT /F2 " : "BT /F1 ";
    content += pdfNumber(size) + " Tf " + at(x, baseline) + " Td " + pdfString(text) + " Tj ET\n";
}
