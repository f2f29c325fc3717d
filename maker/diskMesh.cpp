// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskMesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <numbers>
#include <vector>

#include "maker/diskGeometry.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kSame = 1e-9;
// Lattice angles that lie closer than this on the rim are one, so that no sliver of a cell
// leaves a facet too thin for its float coordinates to keep its direction; the slicer's
// resolution is far coarser.
constexpr double kLeastFacetWidth = 0.02;

struct TPoint {
    double x;
    double y;
};

TPoint polar(double radius, double degrees) {
    return {radius * std::cos(degrees * kDegree), radius * std::sin(degrees * kDegree)};
}

// The most degrees an arc of radius may span per chord.
double chordStep(double radius) {
    return radius <= kChordError ? 90 : 2 * std::acos(1 - kChordError / radius) / kDegree;
}

// Triangles with their facets' normals, written as binary STL.
class TMesh {
public:
    // A triangle counter-clockwise seen from outside.
    void triangle(const std::array<double, 3>& a, const std::array<double, 3>& b,
                  const std::array<double, 3>& c) {
        m_triangles.push_back({a, b, c});
    }
    // A flat polygon's triangles (counter-clockwise seen from above) at z, facing up or down.
    void face(const std::vector<std::array<TPoint, 3>>& triangles, double z, bool up) {
        for (const auto& [a, b, c] : triangles) {
            if (up) {
                triangle({a.x, a.y, z}, {b.x, b.y, z}, {c.x, c.y, z});
            } else {
                triangle({a.x, a.y, z}, {c.x, c.y, z}, {b.x, b.y, z});
            }
        }
    }
    // The wall under the edge from u to v, which has the solid on its left, from z0 to z1.
    void wall(TPoint u, TPoint v, double z0, double z1) {
        triangle({u.x, u.y, z0}, {v.x, v.y, z0}, {v.x, v.y, z1});
        triangle({u.x, u.y, z0}, {v.x, v.y, z1}, {u.x, u.y, z1});
    }

    std::string stl() const {
        std::string bytes(80, ' ');
        const char title[] = "Zyklora-Codescheibe, binaeres STL in mm";
        std::memcpy(bytes.data(), title, sizeof title - 1);
        append(bytes, static_cast<std::uint32_t>(m_triangles.size()));
        for (const auto& [a, b, c] : m_triangles) {
            const std::array<double, 3> u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
            const std::array<double, 3> v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
            std::array<double, 3> n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                    u[0] * v[1] - u[1] * v[0]};
            const double length = std::hypot(n[0], n[1], n[2]);
            for (double& part : n) part = length > 0 ? part / length : 0;
            for (const auto& vector : {n, a, b, c}) {
                for (const double part : vector) append(bytes, static_cast<float>(part));
            }
            append(bytes, std::uint16_t{0});
        }
        return bytes;
    }

private:
    template <typename T>
    static void append(std::string& bytes, T value) {
        char raw[sizeof value];
        std::memcpy(raw, &value, sizeof value);  // little-endian on every target we build for
        bytes.append(raw, sizeof value);
    }

    std::vector<std::array<std::array<double, 3>, 3>> m_triangles;
};

double cross(TPoint o, TPoint a, TPoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// A simple counter-clockwise polygon cut into triangles by clipping its ears, walking on from
// the last ear so that each corner is tried about once per round.
std::vector<std::array<TPoint, 3>> earClipped(std::vector<TPoint> polygon) {
    std::vector<std::array<TPoint, 3>> triangles;
    std::size_t i = 0;
    std::size_t untried = polygon.size();
    while (polygon.size() > 3 && untried > 0) {
        const std::size_t size = polygon.size();
        const TPoint a = polygon[(i + size - 1) % size];
        const TPoint b = polygon[i % size];
        const TPoint c = polygon[(i + 1) % size];
        bool ear = cross(a, b, c) > 1e-12;  // convex, not straight
        for (std::size_t k = 0; ear && k < size; ++k) {
            const TPoint& p = polygon[k];
            const bool corner = (p.x == a.x && p.y == a.y) || (p.x == b.x && p.y == b.y) ||
                                (p.x == c.x && p.y == c.y);
            ear = corner || cross(a, b, p) < 0 || cross(b, c, p) < 0 || cross(c, a, p) < 0;
        }
        if (ear) {
            triangles.push_back({a, b, c});
            polygon.erase(polygon.begin() + static_cast<std::ptrdiff_t>(i % size));
            untried = polygon.size();
        } else {
            ++i;
            --untried;
        }
        i %= polygon.size();
    }
    // Only straight corners are left when no ear was found: nothing to cover.
    if (polygon.size() == 3) triangles.push_back({polygon[0], polygon[1], polygon[2]});
    return triangles;
}

// The disk cut into a polar lattice: every ring's sector boundaries and enough angles in
// between that each chord stays within kChordError, and every radius where the material may
// change. A cell is the band between two neighbouring radii and two neighbouring angles.
class TLattice {
public:
    TLattice(const TDiskSettings& settings, const std::vector<double>& splits)
        : m_geometry(diskGeometry(settings)), m_settings(settings) {
        const auto sectors = static_cast<double>(m_geometry.disk.words.size());
        const double step = chordStep(m_geometry.radius);
        const int fine = static_cast<int>(std::ceil(360 / step));
        for (int i = 0; i < fine; ++i) m_angles.push_back(360.0 * i / fine);
        for (const TRingBand& band : m_geometry.rings) {
            for (int s = 0; s < static_cast<int>(sectors); ++s) {
                m_angles.push_back(shown(s * 360 / sectors + band.turn));
            }
        }
        for (const double split : splits) m_angles.push_back(split);
        for (double& angle : m_angles) angle = std::fmod(std::fmod(angle, 360) + 360, 360);
        std::sort(m_angles.begin(), m_angles.end());
        const double same = kLeastFacetWidth / m_geometry.radius / kDegree;
        m_angles.erase(std::unique(m_angles.begin(), m_angles.end(),
                                   [same](double a, double b) { return b - a < same; }),
                       m_angles.end());
        if (360 - m_angles.back() < same) m_angles.pop_back();

        for (const TRingBand& band : m_geometry.rings) {
            m_radii.push_back(band.inner);
            m_radii.push_back(band.outer);
        }
        m_radii.push_back(m_geometry.radius);
        std::sort(m_radii.begin(), m_radii.end());
        m_radii.erase(std::unique(m_radii.begin(), m_radii.end(),
                                  [](double a, double b) { return b - a < kSame; }),
                      m_radii.end());
    }

    const TDiskGeometry& geometry() const { return m_geometry; }
    std::size_t angles() const { return m_angles.size(); }
    std::size_t bands() const { return m_radii.size() - 1; }
    double angle(std::size_t i) const { return i == m_angles.size() ? 360 : m_angles[i]; }
    double radius(std::size_t level) const { return m_radii[level]; }
    TPoint point(std::size_t level, std::size_t i) const {
        return polar(m_radii[level], angle(i % m_angles.size()));
    }
    // The bit that cell (band, i) shows, or 0 outside every ring.
    char bit(std::size_t band, std::size_t i) const {
        const double middle = (m_radii[band] + m_radii[band + 1]) / 2;
        const double at = (angle(i) + angle(i + 1)) / 2;
        for (std::size_t ring = 0; ring < m_geometry.rings.size(); ++ring) {
            const TRingBand& ringBand = m_geometry.rings[ring];
            if (middle < ringBand.inner || middle > ringBand.outer) continue;
            const double unturned = std::fmod(shown(at) - ringBand.turn + 720, 360);
            const auto sector = static_cast<std::size_t>(
                unturned / 360 * static_cast<double>(m_geometry.disk.words.size()));
            const std::string& word =
                m_geometry.disk.words[std::min(sector, m_geometry.disk.words.size() - 1)];
            return word[word.size() - 1 - ring];
        }
        return 0;
    }

private:
    // An angle on the disk as seen: mirrored ones change sign.
    double shown(double degrees) const { return m_settings.mirror ? -degrees : degrees; }

    TDiskGeometry m_geometry;
    const TDiskSettings& m_settings;
    std::vector<double> m_angles;
    std::vector<double> m_radii;
};

// Extrudes the lattice's cells for which solid holds from z0 to z1; hubSolid says whether the
// region inside the lattice is solid, so that no wall stands between them.
void extrudeCells(TMesh& mesh, const TLattice& lattice,
                  const std::function<bool(std::size_t, std::size_t)>& solid, bool hubSolid,
                  double z0, double z1) {
    const std::size_t n = lattice.angles();
    const auto at = [&](std::size_t band, std::size_t i) {
        return band < lattice.bands() && solid(band, (i + n) % n);
    };
    for (std::size_t band = 0; band < lattice.bands(); ++band) {
        for (std::size_t i = 0; i < n; ++i) {
            if (!solid(band, i)) continue;
            const TPoint p00 = lattice.point(band, i);
            const TPoint p10 = lattice.point(band + 1, i);
            const TPoint p11 = lattice.point(band + 1, i + 1);
            const TPoint p01 = lattice.point(band, i + 1);
            const std::vector<std::array<TPoint, 3>> cell = {{p00, p10, p11}, {p00, p11, p01}};
            mesh.face(cell, z1, true);
            mesh.face(cell, z0, false);
            if (!at(band, i + n - 1)) mesh.wall(p00, p10, z0, z1);
            if (!at(band + 1, i)) mesh.wall(p10, p11, z0, z1);
            if (!at(band, i + 1)) mesh.wall(p11, p01, z0, z1);
            if (band == 0 ? !hubSolid : !at(band - 1, i)) mesh.wall(p01, p00, z0, z1);
        }
    }
}

// The hub between the shaft hole and the lattice's innermost radius, with the mounting holes,
// as simple pieces split by radial lines through the holes' centres (or at 0° and 180°), so
// that each piece is a simple polygon. Its outer arc uses the lattice's angles, so that it
// meets the cells beyond edge for edge.
void extrudeHub(TMesh& mesh, const TLattice& lattice, const TDiskSettings& settings,
                const std::vector<double>& splits, const std::vector<double>& holeCentres,
                const std::function<bool(std::size_t, std::size_t)>& solid, double z0, double z1) {
    const double shaft = settings.shaft / 2;
    const double holeCircle = (shaft + lattice.radius(0)) / 2;
    const double hole = settings.holeDiameter / 2;
    const int halfSteps = static_cast<int>(std::ceil(180 / chordStep(hole)));
    const std::size_t n = lattice.angles();
    for (std::size_t piece = 0; piece < splits.size(); ++piece) {
        const double from = splits[piece];
        const double to = piece + 1 < splits.size() ? splits[piece + 1] : splits[0] + 360;
        // The corners counter-clockwise, and whether a wall stands on the edge after each.
        std::vector<TPoint> polygon;
        std::vector<bool> wallAfter;
        const auto add = [&](TPoint corner, bool wall) {
            polygon.push_back(corner);
            wallAfter.push_back(wall);
        };
        // Half of the hole at split from start degrees (in the hole's own frame) clockwise;
        // the edges from and to the radial line are shared with the next piece.
        const auto halfHole = [&](double split, double start) {
            if (std::none_of(holeCentres.begin(), holeCentres.end(), [&](double centre) {
                    return std::fabs(std::fmod(split - centre + 720, 360)) < kSame;
                })) {
                return;
            }
            // Angles taken into [0, 360), so that both pieces compute the same corners.
            const TPoint centre = polar(holeCircle, std::fmod(split, 360));
            for (int k = 0; k <= halfSteps; ++k) {
                const TPoint p = polar(hole, std::fmod(start - 180.0 * k / halfSteps + 720, 360));
                add({centre.x + p.x, centre.y + p.y}, k < halfSteps);
            }
        };
        std::vector<std::size_t> arc;
        for (std::size_t i = 0; i < 2 * n; ++i) {
            const double angle = lattice.angle(i % n) + (i >= n ? 360 : 0);
            if (angle >= from - kSame && angle <= to + kSame) arc.push_back(i);
        }
        for (std::size_t k = 0; k < arc.size(); ++k) {
            add(lattice.point(0, arc[k]), k + 1 < arc.size() && !solid(0, arc[k] % n));
        }
        halfHole(to, to);
        if (shaft > 0) {
            for (auto i = arc.rbegin(); i != arc.rend(); ++i) {
                add(polar(shaft, lattice.angle(*i % n)), std::next(i) != arc.rend());
            }
        } else {
            add({0, 0}, false);
        }
        halfHole(from, from + 180);
        const std::vector<std::array<TPoint, 3>> triangles = earClipped(polygon);
        mesh.face(triangles, z1, true);
        mesh.face(triangles, z0, false);
        for (std::size_t k = 0; k < polygon.size(); ++k) {
            if (wallAfter[k]) mesh.wall(polygon[k], polygon[(k + 1) % polygon.size()], z0, z1);
        }
    }
}

// The splits of the hub and the mounting holes' centres, in degrees.
std::pair<std::vector<double>, std::vector<double>> hubSplits(const TDiskSettings& settings) {
    std::vector<double> splits;
    std::vector<double> centres;
    if (settings.holes == 0) return {{0, 180}, {}};
    for (int k = 0; k < settings.holes; ++k) {
        const double centre = 90 + 360.0 * k / settings.holes;
        centres.push_back(centre);
        splits.push_back(centre);
        splits.push_back(centre + 180.0 / settings.holes);
    }
    return {splits, centres};
}

}  // namespace

std::string plateStl(const TDiskSettings& settings) {
    const auto [splits, centres] = hubSplits(settings);
    const TLattice lattice(settings, splits);
    const bool slit = settings.style == TDiskStyle::Slit;
    const char cut = static_cast<char>('0' + settings.slitBit);
    const auto solid = [&](std::size_t band, std::size_t i) {
        return !slit || lattice.bit(band, i) != cut;
    };
    TMesh mesh;
    extrudeCells(mesh, lattice, solid, true, 0, settings.thickness);
    extrudeHub(mesh, lattice, settings, splits, centres, solid, 0, settings.thickness);
    return mesh.stl();
}

std::string inlayStl(const TDiskSettings& settings) {
    const TLattice lattice(settings, {});
    const auto solid = [&](std::size_t band, std::size_t i) { return lattice.bit(band, i) == '1'; };
    TMesh mesh;
    extrudeCells(mesh, lattice, solid, false, settings.thickness,
                 settings.thickness + kInlayThickness);
    return mesh.stl();
}
