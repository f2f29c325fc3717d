// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "maker/diskGeometry.h"

// The files that build a disk, each from the one geometry; the same geometry always gives the
// same bytes.

// SVG for laser cutters and plotters: width and height in mm with a viewBox of the same numbers
// centred on the disk; cuts as red hairlines without fill, engraving filled black without
// stroke, guides in a blue group of their own; all as attributes, no transform, text or clip.
std::string diskSvg(const TDiskGeometry& geometry);
// The dialog's preview in both editions, as an SVG drawing that fills its box: the disk as it
// will be cut or printed, material in wood or paper, printed bits black, slits dark, pieces that
// would fall out red, the sensors' marks blue.
std::string diskPreviewSvg(const TDiskSettings& settings);
// DXF R12 (AC1009) in mm centred at 0,0: a LAYER table with SCHNITT (colour 1), GRAVUR (7) and
// HILFSLINIEN (5), one closed POLYLINE with bulges per loop.
std::string diskDxf(const TDiskGeometry& geometry);
// The decoder's table as a C array for Arduino and as a MicroPython list, both named
// zyklora_position: the word read (ring 1 giving bit 0) to its 1-based position, 0 for a word
// that is not on the disk. The comment names each ring's pin (pin 2 for ring 1 on) and what a
// sensor reads as 1.
std::string arduinoTable(const TDiskGeometry& geometry, const TDiskSettings& settings);
std::string micropythonTable(const TDiskGeometry& geometry, const TDiskSettings& settings);
