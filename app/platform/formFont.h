// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The windows' font: "MS Sans Serif", 8 point (11 pixels), falling back to the closest
// sans-serif font that the desktop has.
QFont formFont();
