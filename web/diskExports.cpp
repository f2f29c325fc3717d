// SPDX-License-Identifier: GPL-3.0-or-later
// The page's "Scheibe bauen": its script writes the dialog's fields into diskInput's numbers, the
// engine answers with the preview, the checks and which files may be saved, and hands each file
// for download. Everything that decides something is the maker engine's, as in the window.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "maker/diskFileKinds.h"
#include "maker/diskFiles.h"

extern "C" {
__attribute__((import_module("zyklora"), import_name("showDisk"))) void jsShowDisk(
    const char* preview, std::size_t previewLength, const char* checks, std::size_t checksLength,
    std::int32_t saveable);
__attribute__((import_module("zyklora"), import_name("saveFile"))) void jsSaveFile(
    const char* name, std::size_t nameLength, const char* bytes, std::size_t length);
}

namespace {

// The fields in the dialog's order: count, diameter, shaft, track, gap, rim, thickness, kerf,
// holes, hole diameter, style (0 print, 1 slit), slit bit, code (0 Zyklora, 1 excess), mirror,
// and the length in bytes of the sensor angles' text in diskAngles.
constexpr std::size_t kFields = 15;
double input[kFields];
constexpr std::size_t kAnglesCapacity = 256;
char anglesText[kAnglesCapacity];

TDiskSettings inputSettings() {
    TDiskSettings settings;
    settings.count = TCodeCount::shown(std::isfinite(input[0]) ? std::llround(input[0]) : 10);
    settings.diameter = input[1];
    settings.shaft = input[2];
    settings.track = input[3];
    settings.gap = input[4];
    settings.rim = input[5];
    settings.thickness = input[6];
    settings.kerf = input[7];
    settings.holes = input[8] == 3 ? 3 : input[8] == 4 ? 4 : 0;
    settings.holeDiameter = input[9];
    settings.style = input[10] == 1 ? TDiskStyle::Slit : TDiskStyle::Print;
    settings.slitBit = input[11] == 0 ? 0 : 1;
    settings.code = input[12] == 1 ? TDiskCode::Excess : TDiskCode::Zyklora;
    settings.mirror = input[13] != 0;
    const double length =
        std::isfinite(input[14]) ? std::fmin(std::fmax(input[14], 0), kAnglesCapacity) : 0;
    settings.sensorAngles =
        sensorAnglesOf(std::string_view(anglesText, static_cast<std::size_t>(length)));
    return withinRanges(settings);
}

}  // namespace

extern "C" {

__attribute__((export_name("diskInput"))) double* diskInput() { return input; }
// Where the script writes the sensor angles' text (UTF-8), and how many bytes fit.
__attribute__((export_name("diskAngles"))) char* diskAngles() { return anglesText; }
__attribute__((export_name("diskAnglesCapacity"))) std::int32_t diskAnglesCapacity() {
    return static_cast<std::int32_t>(kAnglesCapacity);
}

// Shows the disk of the dialog's fields: its preview as SVG, its checks one a line ("H" for a
// heading, "E", "W" or "O" for error, warning and passed, a tab, the line), and as bits which
// kinds of file may be saved, bit i for the kind i of the dialog's buttons.
__attribute__((export_name("diskShow"))) void diskShow() {
    const TDiskSettings settings = inputSettings();
    std::string checks;
    for (const TCheckGroup& group : checkGroups(settings)) {
        checks.append("H\t").append(group.heading).append("\n");
        for (const TDiskCheck& check : group.checks) {
            const char verdict = check.verdict == TDiskCheck::TVerdict::Error     ? 'E'
                                 : check.verdict == TDiskCheck::TVerdict::Warning ? 'W'
                                                                                  : 'O';
            checks.append(1, verdict).append("\t").append(checkLine(check)).append("\n");
        }
    }
    std::int32_t saveable = 0;
    for (const TDiskFileKind& kind : diskFileKinds()) {
        if (diskFileRefusal(kind.file, settings).empty()) {
            saveable |= 1 << static_cast<int>(kind.file);
        }
    }
    const std::string preview = diskPreviewSvg(settings);
    jsShowDisk(preview.data(), preview.size(), checks.data(), checks.size(), saveable);
}

// Hands the file of kind (the dialog's button, from 0) for download with its name; nothing for
// a kind that does not exist or a disk that its checks refuse.
__attribute__((export_name("diskFile"))) void diskFile(std::int32_t kind) {
    if (kind < 0 || kind >= static_cast<std::int32_t>(diskFileKinds().size())) return;
    const TDiskSettings settings = inputSettings();
    const auto file = static_cast<TDiskFile>(kind);
    const TDiskFileMade made = ::diskFile(file, settings);
    if (!made.refusal.empty()) return;
    const std::string name = diskFileName(file, settings.count);
    jsSaveFile(name.data(), name.size(), made.bytes.data(), made.bytes.size());
}
}
