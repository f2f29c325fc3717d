// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Whether a face colour belongs to a dark desktop theme: darker than half lightness. Drawings
// choose their light or dark variant by it.
inline bool isDarkFace(const QColor& face) {
    constexpr int kDarkFaceLightness = 128;
    return face.lightness() < kDarkFaceLightness;
}
