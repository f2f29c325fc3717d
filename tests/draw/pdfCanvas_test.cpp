// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/pdfCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <regex>

#include "draw/svgCanvas.h"
#include "tests/support/renderedPdf.h"

namespace {

constexpr TPaper kA4{210, 297};

void save(const std::string& file, const std::string& text) {
    writeFile(file, Bytes(text.begin(), text.end()));
}

// The objects that the cross-reference table points at, by number, after checking that
// startxref finds the table and each entry an object of its number.
TEST(TPdfDocument, TheCrossReferenceTableFindsEveryObject) {
    TPdfDocument document("Seiten");
    for (int page = 0; page < 3; ++page) {
        document.addPage(595.276, 841.89);
        document.content() += "0 0 m 10 10 l S";
    }
    const std::string pdf = document.bytes();
    ASSERT_TRUE(pdf.starts_with("%PDF-1.4\n"));
    ASSERT_TRUE(pdf.ends_with("%%EOF\n"));
    std::smatch found;
    ASSERT_TRUE(std::regex_search(pdf, found, std::regex("startxref\n(\\d+)\n%%EOF\n$")));
    const std::size_t table = std::stoul(found[1]);
    ASSERT_EQ(pdf.compare(table, 5, "xref\n"), 0);
    // Six shared objects and two for each page: 1 + 12 entries with the free one.
    std::istringstream entries(pdf.substr(table + 5));
    int first = -1;
    int count = 0;
    entries >> first >> count;
    ASSERT_EQ(first, 0);
    ASSERT_EQ(count, 13);
    std::string offset;
    std::string generation;
    std::string kind;
    entries >> offset >> generation >> kind;
    EXPECT_EQ(kind, "f");
    for (int object = 1; object < count; ++object) {
        entries >> offset >> generation >> kind;
        EXPECT_EQ(offset.size(), 10u);
        const std::string header = std::to_string(object) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(std::stoul(offset), header.size(), header), 0) << object;
    }
    EXPECT_NE(pdf.find("/Count 3 "), std::string::npos);
    EXPECT_NE(pdf.find("/Size 13 /Root 1 0 R"), std::string::npos);
    // Each stream's length is the length of its content.
    EXPECT_NE(pdf.find("<< /Length 15 >>\nstream\n0 0 m 10 10 l S\nendstream"), std::string::npos);
}

// The same A4 page on either canvas: a black quarter of a circle 1000 units across, the wedge
// of a flat ellipse between the rays at 45 and 180 degrees, and "EEE" in 20 pt, its cell's top
// at y = 2300.
constexpr double kCircleX = 800;
constexpr double kCircleY = 1500;
constexpr double kEllipseX = 800;
constexpr double kEllipseY = 550;
constexpr double kRadiusX = 499.5;
constexpr double kRadiusY = 249.5;
constexpr std::int32_t kTextTop = 2300;

void drawPage(TCanvas& canvas) {
    canvas.setPenColor(clBlack);
    canvas.setBrushColor(clBlack);
    canvas.pie(300, 1000, 1300, 2000, 1300, 1500, 800, 1000);
    canvas.pie(300, 300, 1300, 800, 900, 450, 700, 550);
    canvas.setFont(TFont{.name = "DejaVu Sans", .size = 20});
    canvas.textOut(300, kTextTop, "EEE");
}

struct TPageCase {
    const char* name;
    std::function<std::string(const TempDir&)> pdfFile;
};

const TPageCase kPageCases[] = {
    {"PDF canvas",
     [](const TempDir& dir) {
         TPdfCanvas pdf(2100, 2970, kA4, "Seite", clBlack);
         drawPage(pdf);
         save(dir.file("seite.pdf"), pdf.document());
         return dir.file("seite.pdf");
     }},
    // librsvg, as rsvg-convert and ImageMagick use it, turns the drawing into a PDF of its own.
    {"SVG canvas through librsvg",
     [](const TempDir& dir) {
         TSvgCanvas svg(2100, 2970, "Seite", clBlack, kA4);
         drawPage(svg);
         save(dir.file("seite.svg"), svg.document());
         runProgram("rsvg-convert", dir,
                    "-f pdf -o " + dir.file("seite.pdf") + " " + dir.file("seite.svg"));
         return dir.file("seite.pdf");
     }},
};

// Pies run counter-clockwise from ray to ray, elliptic ones too, and a text's baseline lies an
// ascent below its cell's top: where "E" ends at the bottom.
TEST(TPdfCanvas, PiesAndBaselinesLandWhereTheSvgCanvasPutsThem) {
    for (const TPageCase& c : kPageCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const TRenderedPage page = renderedPage(dir, c.pdfFile(dir));
        ASSERT_NEAR(page.width, 2100, 1);
        ASSERT_NEAR(page.height, 2970, 1);
        const auto darkAt = [&](double x, double y) {
            return page.dark(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
        };
        // The circle's quarter from 3 to 12 o'clock, up to its rim.
        const auto onCircle = [&](double degrees, double radius) {
            const double angle = degrees * std::numbers::pi / 180;
            return darkAt(kCircleX + radius * std::cos(angle), kCircleY - radius * std::sin(angle));
        };
        EXPECT_TRUE(onCircle(45, 400));
        EXPECT_TRUE(onCircle(45, 480));
        EXPECT_FALSE(onCircle(45, 520));
        EXPECT_FALSE(onCircle(135, 400));
        EXPECT_FALSE(onCircle(-45, 400));
        // The ellipse's wedge, each point a share of the way from the centre to the rim along its
        // ray: a ray is no parameter angle of the ellipse.
        const auto onEllipse = [&](double degrees, double share) {
            const double angle = degrees * std::numbers::pi / 180;
            const double rim =
                1 / std::hypot(std::cos(angle) / kRadiusX, std::sin(angle) / kRadiusY);
            return darkAt(kEllipseX + share * rim * std::cos(angle),
                          kEllipseY - share * rim * std::sin(angle));
        };
        EXPECT_TRUE(onEllipse(55, 0.7));
        EXPECT_FALSE(onEllipse(35, 0.7));
        EXPECT_TRUE(onEllipse(170, 0.7));
        EXPECT_FALSE(onEllipse(190, 0.7));
        EXPECT_TRUE(onEllipse(90, 0.92));
        EXPECT_FALSE(onEllipse(90, 1.08));

        // The text's lowest and highest dark rows.
        int top = page.height;
        int bottom = -1;
        for (int y = kTextTop - 50; y < kTextTop + 150; ++y) {
            for (int x = 300; x < 600; ++x) {
                if (!page.dark(x, y)) continue;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        const double baseline = kTextTop + kTextAscentEms * 20 * 254 / 72;
        EXPECT_NEAR(bottom + 1, baseline, 1.5);
        EXPECT_GT(top, kTextTop);
    }
}

// The document holds every page begun, A4, and its texts in Windows-1252 with the characters
// that PDF strings escape.
TEST(TPdfCanvas, PagesAreA4AndTextsReadBack) {
    TempDir dir;
    TPdfCanvas pdf(2100, 2970, kA4, "Blätter – Größe", rgbColor(255, 255, 255));
    pdf.setFont(TFont{.name = "DejaVu Sans", .size = 12, .bold = true});
    pdf.textOut(150, 150, "Seite 1");
    for (const char* text : {"Gr\xF6\xDF"
                             "e \x96 (1) \\ 2",
                             "Seite 3"}) {
        pdf.newPage();
        pdf.textOut(150, 150, text);
    }
    EXPECT_EQ(pdf.pageCount(), 3u);
    save(dir.file("blatt.pdf"), pdf.document());
    const RunResult info = runProgram("pdfinfo", dir, dir.file("blatt.pdf"));
    EXPECT_EQ(info.err, "");
    EXPECT_NE(info.out.find("Title:           Blätter – Größe\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Pages:           3\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Page size:       595.276 x 841.89 pts (A4)"), std::string::npos)
        << info.out;
    const char* expected[] = {"Seite 1\n", "Größe – (1) \\ 2\n", "Seite 3\n"};
    for (int page = 1; page <= 3; ++page) {
        EXPECT_TRUE(pageText(dir, dir.file("blatt.pdf"), page).starts_with(expected[page - 1]))
            << page;
    }
}

}  // namespace
