// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/svgCanvas.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// A 100-pixel box: centre (50, 50), outline radius 49.5.
TEST(TSvgCanvas, PiesRunCounterClockwiseWithTheirLargeArcFlag) {
    const struct {
        std::int32_t x3, y3, x4, y4;
        const char* path;
    } cases[] = {
        {100, 50, 50, 0, "M50 50 L99.5 50 A49.5 49.5 0 0 0 50 0.5 Z"},   // 3 to 12 o'clock
        {50, 0, 100, 50, "M50 50 L50 0.5 A49.5 49.5 0 1 0 99.5 50 Z"},   // 12 round to 3
        {0, 50, 50, 1000, "M50 50 L0.5 50 A49.5 49.5 0 0 0 50 99.5 Z"},  // 9 to 6 o'clock
        // Equal rays: the whole ellipse, in two halves.
        {100, 50, 100, 50, "M50 50 L99.5 50 A49.5 49.5 0 1 0 0.5 50 A49.5 49.5 0 1 0 99.5 50 Z"},
    };
    for (const auto& c : cases) {
        TSvgCanvas svg(100, 100, "t", rgbColor(0xEF, 0xEF, 0xEF));
        svg.setBrushColor(clBlack);
        svg.pie(0, 0, 100, 100, c.x3, c.y3, c.x4, c.y4);
        EXPECT_NE(svg.document().find(std::string("<path d=\"") + c.path +
                                      "\" fill=\"#000000\" stroke=\"#000000\"/>"),
                  std::string::npos)
            << svg.document();
    }
}

TEST(TSvgCanvas, DocumentResolvesTheFaceAndEscapesText) {
    TSvgCanvas svg(700, 700, "Scheibe <1> & \"2\"", rgbColor(0x12, 0x34, 0x56));
    svg.setPenColor(rgbColor(0xFF, 0, 0));
    svg.rectangle(0, 0, 700, 700);
    const std::string document = svg.document();
    EXPECT_TRUE(document.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_NE(document.find("viewBox=\"0 0 700 700\""), std::string::npos);
    EXPECT_NE(document.find("<title>Scheibe &lt;1&gt; &amp; &quot;2&quot;</title>"),
              std::string::npos);
    EXPECT_NE(document.find("<rect x=\"0.5\" y=\"0.5\" width=\"699\" height=\"699\" "
                            "fill=\"#123456\" stroke=\"#ff0000\"/>"),
              std::string::npos);
    EXPECT_TRUE(document.ends_with("</svg>\n"));
}

// A page on paper is as large as the paper, and its points are points there: 10 pt at 0.1 mm a
// unit are 35.278 units; else a point is 4/3 of a unit. Texts come as Windows-1252 and leave as
// UTF-8, on a baseline an ascent (0.93 em) below the cell's top, whatever a viewer makes of
// dominant-baseline.
TEST(TSvgCanvas, APageOnPaperHasItsSizeInMillimetresAndFontsInPoints) {
    struct TCase {
        std::optional<TPaper> paper;
        std::string size;
        std::string baseline;
        std::string fontSize;
    };
    for (const TCase& c :
         {TCase{TPaper{210, 297}, "width=\"210mm\" height=\"297mm\"", "192.808", "35.278"},
          TCase{std::nullopt, "width=\"2100\" height=\"2970\"", "172.4", "10pt"}}) {
        TSvgCanvas svg(2100, 2970, "Blatt", clBlack, c.paper);
        svg.setFont(TFont{.name = "DejaVu Sans", .size = 10, .bold = true});
        svg.textOut(150, 160,
                    "Gr\xF6\xDF"
                    "e \x96 <1>");
        const std::string document = svg.document();
        EXPECT_NE(document.find(c.size + " viewBox=\"0 0 2100 2970\""), std::string::npos)
            << document;
        EXPECT_NE(document.find("<text x=\"150\" y=\"" + c.baseline +
                                "\" font-family=\"DejaVu Sans\" font-size=\"" + c.fontSize +
                                "\" font-weight=\"bold\" fill=\"#000000\">Größe – "
                                "&lt;1&gt;</text>"),
                  std::string::npos)
            << document;
        EXPECT_EQ(document.find("dominant-baseline"), std::string::npos);
    }
}

}  // namespace
