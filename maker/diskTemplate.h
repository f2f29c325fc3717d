// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "maker/diskSettings.h"

// The sensor template: an A4 page at 1:1 to glue on the sensors' carrier, with a mark for each
// ring's sensor at its middle radius and angle, the shaft hole, the disk's outline where it fits
// the page, and the 100 mm check bar of the worksheets with its sentence. The disk's centre is
// the page's centre.
std::string templatePdf(const TDiskSettings& settings);
// The same page as an SVG drawing of 210 x 297 mm.
std::string templateSvg(const TDiskSettings& settings);
