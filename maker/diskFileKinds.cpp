// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskFileKinds.h"

#include <utility>

#include "maker/diskFiles.h"
#include "maker/diskMesh.h"
#include "maker/diskTemplate.h"

namespace {

constexpr std::array<TDiskFileKind, 8> kKinds = {{
    {TDiskFile::Svg, "svg", "&SVG (Laser, Plotter)…", "scheibe.svg", TProcess::Laser},
    {TDiskFile::Dxf, "dxf", "&DXF (Laser, CAD)…", "scheibe.dxf", TProcess::Laser},
    {TDiskFile::Stl, "stl", "S&TL (3D-Druck)…", "scheibe.stl", TProcess::Fdm},
    {TDiskFile::StlInlay, "stl-inlay", "STL-&Einlage…", "einlage.stl", TProcess::Fdm},
    {TDiskFile::Arduino, "arduino", "&Arduino-Tabelle…", "decoder.h", std::nullopt},
    {TDiskFile::Micropython, "micropython", "&MicroPython-Tabelle…", "decoder.py", std::nullopt},
    {TDiskFile::Template, "template", "Sensor&schablone (PDF)…", "schablone.pdf", std::nullopt},
    {TDiskFile::TemplateSvg, "template-svg", "Schablone als S&VG…", "schablone.svg", std::nullopt},
}};

}  // namespace

const std::array<TDiskFileKind, 8>& diskFileKinds() { return kKinds; }

const TDiskFileKind& diskFileKind(TDiskFile file) { return kKinds[static_cast<std::size_t>(file)]; }

std::optional<TDiskFile> diskFileOf(std::string_view format) {
    for (const TDiskFileKind& kind : kKinds) {
        if (kind.format == format) return kind.file;
    }
    return std::nullopt;
}

std::string diskFileName(TDiskFile file, TCodeCount count) {
    return "zyklora-" + std::to_string(count.value()) + "-" + std::string(diskFileKind(file).name);
}

std::string checkLine(const TDiskCheck& check) {
    const char* verdict = check.verdict == TDiskCheck::TVerdict::Error     ? "Fehler: "
                          : check.verdict == TDiskCheck::TVerdict::Warning ? "Warnung: "
                                                                           : "OK: ";
    return verdict + check.text;
}

std::string checkLines(const std::vector<TDiskCheck>& checks, const std::string& prefix) {
    std::string lines;
    for (const TDiskCheck& check : checks) lines += prefix + checkLine(check) + "\n";
    return lines;
}

std::array<TCheckGroup, 2> checkGroups(const TDiskSettings& settings) {
    return {{{"Laser und Plotter", diskChecks(settings, TProcess::Laser)},
             {"3D-Druck", diskChecks(settings, TProcess::Fdm)}}};
}

std::string diskFileRefusal(TDiskFile file, const TDiskSettings& settings) {
    const TDiskFileKind& kind = diskFileKind(file);
    if (file == TDiskFile::StlInlay && settings.style != TDiskStyle::Print) {
        return "Eine Einlage gibt es nur für Druck/Gravur";
    }
    if (!kind.process) return "";
    const std::vector<TDiskCheck> checks = diskChecks(settings, *kind.process);
    if (!blocks(checks)) return "";
    return std::string(*kind.process == TProcess::Laser
                           ? "Die Scheibe lässt sich so nicht schneiden:\n"
                           : "Die Scheibe lässt sich so nicht drucken:\n") +
           checkLines(checks, "  ");
}

TDiskFileMade diskFile(TDiskFile file, const TDiskSettings& settings) {
    if (std::string refusal = diskFileRefusal(file, settings); !refusal.empty()) {
        return {"", std::move(refusal)};
    }
    switch (file) {
        case TDiskFile::Svg:
            return {diskSvg(diskGeometry(settings)), ""};
        case TDiskFile::Dxf:
            return {diskDxf(diskGeometry(settings)), ""};
        case TDiskFile::Stl:
            return {plateStl(settings), ""};
        case TDiskFile::StlInlay:
            return {inlayStl(settings), ""};
        case TDiskFile::Arduino:
            return {arduinoTable(diskGeometry(settings), settings), ""};
        case TDiskFile::Micropython:
            return {micropythonTable(diskGeometry(settings), settings), ""};
        case TDiskFile::Template:
            return {templatePdf(settings), ""};
        case TDiskFile::TemplateSvg:
            return {templateSvg(settings), ""};
    }
    return {};
}
