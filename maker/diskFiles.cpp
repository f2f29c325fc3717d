// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskFiles.h"

#include <cmath>
#include <numbers>

#include "lib/decimalText.h"
#include "maker/diskChecks.h"

namespace {

// A coordinate in mm, to a thousandth of a micrometre.
std::string number(double value) { return decimalText(value, 6); }

// A point of SVG path data, y pointing down as SVG's does. Path data is appended piece by piece:
// a literal + std::string there trips GCC 12's -Wrestrict at -O3 (a false positive).
void appendPoint(std::string& data, double x, double y) {
    data.append(number(x)).append(",").append(number(-y));
}

// A loop as SVG path data.
std::string pathData(const std::vector<TVertex>& loop, bool closed) {
    std::string data = "M";
    appendPoint(data, loop.front().x, loop.front().y);
    const std::size_t segments = closed ? loop.size() : loop.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const TVertex& from = loop[i];
        const TVertex& to = loop[(i + 1) % loop.size()];
        if (from.bulge == 0) {
            data.append(" L");
            appendPoint(data, to.x, to.y);
            continue;
        }
        const double angle = 4 * std::atan(std::fabs(from.bulge));
        const double radius = std::hypot(to.x - from.x, to.y - from.y) / (2 * std::sin(angle / 2));
        // Counter-clockwise with y up is sweep 0 once y points down.
        data.append(" A").append(number(radius)).append(",").append(number(radius)).append(" 0 ");
        data.append(angle > std::numbers::pi ? "1," : "0,").append(from.bulge > 0 ? "0 " : "1 ");
        appendPoint(data, to.x, to.y);
    }
    if (closed) data.append(" Z");
    return data;
}

// The path data of all of outline's loops.
std::string outlineData(const TOutline& outline) {
    std::string data;
    for (const std::vector<TVertex>& loop : outline.loops) {
        if (!data.empty()) data.append(" ");
        data.append(pathData(loop, outline.closed));
    }
    return data;
}

std::string svgPath(const TOutline& outline) {
    const std::string data = outlineData(outline);
    switch (outline.layer) {
        case TLayer::Cut:
            return "<path d=\"" + data +
                   "\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"0.01\"/>\n";
        case TLayer::Engrave:
            return "<path d=\"" + data +
                   "\" fill=\"#000000\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
        case TLayer::Guide:
            return "<path d=\"" + data + "\"/>\n";
    }
    return "";
}

void dxfPair(std::string& out, int code, const std::string& value) {
    out += std::to_string(code) + "\n" + value + "\n";
}

const char* layerName(TLayer layer) {
    switch (layer) {
        case TLayer::Cut:
            return "SCHNITT";
        case TLayer::Engrave:
            return "GRAVUR";
        case TLayer::Guide:
            return "HILFSLINIEN";
    }
    return "";
}

// The ring, pin and polarity lines of both decoder tables, behind prefix.
std::string decoderComment(const TDiskGeometry& geometry, const TDiskSettings& settings,
                           const std::string& prefix) {
    const bool slit = settings.style == TDiskStyle::Slit;
    std::string text = prefix + "Zyklora-Codescheibe mit " +
                       std::to_string(geometry.disk.words.size()) + " Sektoren (" +
                       (settings.code == TDiskCode::Zyklora ? "Zyklora" : "Gray-Exzess") + ")\n";
    for (std::int32_t ring = 1; ring <= geometry.disk.bits; ++ring) {
        text += prefix + "Ring " + std::to_string(ring) + " (Bit " + std::to_string(ring - 1) +
                "): Pin " + std::to_string(ring + 1) + "\n";
    }
    text += prefix +
            (slit ? "Ein Sensor liest 1, wo er durch den Schlitz Licht sieht" +
                        std::string(settings.slitBit == 1 ? "."
                                                          : "; Schlitz = 0: Eingang "
                                                            "umkehren.")
                  : std::string("Ein Sensor liest 1 auf Schwarz.")) +
            "\n" + prefix +
            "Index: das gelesene Wort als Dualzahl, Ring 1 als Bit 0. Wert: Position ab 1, "
            "0 für ein Wort, das nicht auf der Scheibe steht.\n";
    return text;
}

std::string tableEntries(const TDiskGeometry& geometry) {
    std::string entries;
    const std::vector<std::int32_t> table = positionTable(geometry.disk);
    for (std::size_t i = 0; i < table.size(); ++i) {
        entries += (i % 16 == 0 ? (i == 0 ? "    " : "\n    ") : " ") + std::to_string(table[i]) +
                   (i + 1 < table.size() ? "," : "");
    }
    return entries;
}

}  // namespace

std::string diskSvg(const TDiskGeometry& geometry) {
    double extent = geometry.radius;
    for (const TOutline& outline : geometry.outlines) {
        for (const auto& loop : outline.loops) {
            for (const TVertex& vertex : loop) {
                extent = std::max(extent, std::hypot(vertex.x, vertex.y));
            }
        }
    }
    const std::string size = number(2 * extent);
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        size + "mm\" height=\"" + size + "mm\" viewBox=\"" + number(-extent) + " " +
        number(-extent) + " " + size + " " + size + "\">\n";
    std::string guides;
    for (const TOutline& outline : geometry.outlines) {
        (outline.layer == TLayer::Guide ? guides : svg) += svgPath(outline);
    }
    if (!guides.empty()) {
        svg += "<g id=\"hilfslinien\" fill=\"none\" stroke=\"#0000ff\" stroke-width=\"0.1\">\n" +
               guides + "</g>\n";
    }
    return svg + "</svg>\n";
}

std::string diskPreviewSvg(const TDiskSettings& settings) {
    const TDiskGeometry geometry = diskGeometry(settings);
    const bool slit = settings.style == TDiskStyle::Slit;
    const std::string extent = number(geometry.radius * 1.02);
    const std::string size = number(geometry.radius * 2.04);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"-" + extent + " -" +
                      extent + " " + size + " " + size + "\">\n";
    // The material: the rim's cut, less the shaft and the holes, which show the page.
    std::string material;
    std::string slits;
    std::string printed;
    std::string guides;
    for (const TOutline& outline : geometry.outlines) {
        const std::string data = outlineData(outline);
        if (outline.layer == TLayer::Guide) {
            guides += data + " ";
        } else if (outline.layer == TLayer::Engrave) {
            printed += data + " ";
        } else if (slit && outline.run) {
            slits += data + " ";
        } else {
            material += data + " ";
        }
    }
    svg += "<path d=\"" + material + "\" fill=\"" + (slit ? "#d7b982" : "#fafafa") +
           "\" fill-rule=\"evenodd\" stroke=\"#000000\" stroke-width=\"" +
           number(geometry.radius / 200) + "\"/>\n";
    if (!printed.empty()) svg += "<path d=\"" + printed + "\" fill=\"#000000\"/>\n";
    if (!slits.empty()) svg += "<path d=\"" + slits + "\" fill=\"#333333\"/>\n";
    for (const TRun& piece : loosePieces(settings)) {
        svg += "<path d=\"" + pathData(runLoop(geometry, settings, piece), true) +
               "\" fill=\"#dc0000\"/>\n";
    }
    if (!guides.empty()) {
        svg += "<path d=\"" + guides + "\" fill=\"none\" stroke=\"#0000ff\" stroke-width=\"" +
               number(geometry.radius / 150) + "\"/>\n";
    }
    return svg + "</svg>\n";
}

std::string diskDxf(const TDiskGeometry& geometry) {
    std::string out;
    const std::string radius = number(geometry.radius);
    dxfPair(out, 0, "SECTION");
    dxfPair(out, 2, "HEADER");
    dxfPair(out, 9, "$ACADVER");
    dxfPair(out, 1, "AC1009");
    dxfPair(out, 9, "$INSUNITS");
    dxfPair(out, 70, "4");  // millimetres
    dxfPair(out, 9, "$EXTMIN");
    dxfPair(out, 10, "-" + radius);
    dxfPair(out, 20, "-" + radius);
    dxfPair(out, 9, "$EXTMAX");
    dxfPair(out, 10, radius);
    dxfPair(out, 20, radius);
    dxfPair(out, 0, "ENDSEC");
    dxfPair(out, 0, "SECTION");
    dxfPair(out, 2, "TABLES");
    dxfPair(out, 0, "TABLE");
    dxfPair(out, 2, "LAYER");
    dxfPair(out, 70, "3");
    for (const auto& [layer, colour] :
         {std::pair{TLayer::Cut, 1}, {TLayer::Engrave, 7}, {TLayer::Guide, 5}}) {
        dxfPair(out, 0, "LAYER");
        dxfPair(out, 2, layerName(layer));
        dxfPair(out, 70, "0");
        dxfPair(out, 62, std::to_string(colour));
        dxfPair(out, 6, "CONTINUOUS");
    }
    dxfPair(out, 0, "ENDTAB");
    dxfPair(out, 0, "ENDSEC");
    dxfPair(out, 0, "SECTION");
    dxfPair(out, 2, "ENTITIES");
    for (const TOutline& outline : geometry.outlines) {
        for (const std::vector<TVertex>& loop : outline.loops) {
            dxfPair(out, 0, "POLYLINE");
            dxfPair(out, 8, layerName(outline.layer));
            dxfPair(out, 66, "1");
            dxfPair(out, 10, "0");
            dxfPair(out, 20, "0");
            dxfPair(out, 30, "0");
            dxfPair(out, 70, outline.closed ? "1" : "0");
            for (const TVertex& vertex : loop) {
                dxfPair(out, 0, "VERTEX");
                dxfPair(out, 8, layerName(outline.layer));
                dxfPair(out, 10, number(vertex.x));
                dxfPair(out, 20, number(vertex.y));
                dxfPair(out, 30, "0");
                if (vertex.bulge != 0) dxfPair(out, 42, number(vertex.bulge));
            }
            dxfPair(out, 0, "SEQEND");
            dxfPair(out, 8, layerName(outline.layer));
        }
    }
    dxfPair(out, 0, "ENDSEC");
    dxfPair(out, 0, "EOF");
    return out;
}

std::string arduinoTable(const TDiskGeometry& geometry, const TDiskSettings& settings) {
    return decoderComment(geometry, settings, "// ") + "const unsigned char zyklora_position[" +
           std::to_string(positionTable(geometry.disk).size()) + "] = {\n" +
           tableEntries(geometry) + "\n};\n";
}

std::string micropythonTable(const TDiskGeometry& geometry, const TDiskSettings& settings) {
    return decoderComment(geometry, settings, "# ") + "zyklora_position = [\n" +
           tableEntries(geometry) + "\n]\n";
}
