// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "maker/diskChecks.h"
#include "maker/diskSettings.h"

// The kinds of file that build a disk, for the command line and the dialog alike.
enum class TDiskFile : std::uint8_t {
    Svg,
    Dxf,
    Stl,
    StlInlay,
    Arduino,
    Micropython,
    Template,
    TemplateSvg,
};

struct TDiskFileKind {
    TDiskFile file;
    std::string_view format;          // as zyklora-disk names it
    std::string_view label;           // the dialog's button
    std::string_view name;            // the file name after "zyklora-10-"
    std::optional<TProcess> process;  // the process whose checks must pass, if any
};

const std::array<TDiskFileKind, 8>& diskFileKinds();
const TDiskFileKind& diskFileKind(TDiskFile file);
// The kind zyklora-disk calls format, or nothing.
std::optional<TDiskFile> diskFileOf(std::string_view format);
// A file name that says what the file holds, such as "zyklora-10-scheibe.dxf".
std::string diskFileName(TDiskFile file, TCodeCount count);

// Why file cannot be made of settings: its process's blocking checks, one a line, or that an
// inlay needs a printed disk; "" when it can.
std::string diskFileRefusal(TDiskFile file, const TDiskSettings& settings);
// The file's bytes, or the refusal of diskFileRefusal.
struct TDiskFileMade {
    std::string bytes;
    std::string refusal;
};
TDiskFileMade diskFile(TDiskFile file, const TDiskSettings& settings);

// A check as the dialogs and zyklora-disk show it: "Fehler: …", "Warnung: …" or "OK: …".
std::string checkLine(const TDiskCheck& check);
// The checks as lines, each behind prefix.
std::string checkLines(const std::vector<TDiskCheck>& checks, const std::string& prefix);
// The checks of both processes under the headings the dialogs give them.
struct TCheckGroup {
    std::string_view heading;  // "Laser und Plotter", "3D-Druck"
    std::vector<TDiskCheck> checks;
};
std::array<TCheckGroup, 2> checkGroups(const TDiskSettings& settings);
