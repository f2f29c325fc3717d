// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <numeric>

#include "maker/diskGeometry.h"

namespace {

using TVerdict = TDiskCheck::TVerdict;

// The material that holds a slit disk together, as pieces: the rim, the hub and every run of
// material between slits in touching rings, joined where they share more than a point.
class TPieces {
public:
    TPieces(const TDiskGeometry& geometry, char slit) : m_geometry(geometry) {
        m_step = 360.0 / static_cast<double>(geometry.disk.words.size());
        for (std::int32_t ring = 1; ring <= geometry.disk.bits; ++ring) {
            for (const TRun& run : ringRuns(geometry.disk.words, ring)) {
                if (run.bit != slit) m_runs.push_back(run);
            }
        }
        m_parent.resize(m_runs.size() + 2);
        std::iota(m_parent.begin(), m_parent.end(), std::size_t{0});
        for (std::size_t a = 0; a < m_runs.size(); ++a) {
            if (m_runs[a].ring == 1) join(a, rim());
            if (m_runs[a].ring == geometry.disk.bits) join(a, hub());
            for (std::size_t b = 0; b < m_runs.size(); ++b) {
                if (m_runs[b].ring == m_runs[a].ring + 1 && overlap(m_runs[a], m_runs[b])) {
                    join(a, b);
                }
            }
        }
    }

    bool whole() { return find(rim()) == find(hub()); }
    // The runs that hang on neither the rim nor the hub.
    std::vector<TRun> loose() {
        std::vector<TRun> runs;
        for (std::size_t a = 0; a < m_runs.size(); ++a) {
            if (find(a) != find(rim()) && find(a) != find(hub())) runs.push_back(m_runs[a]);
        }
        return runs;
    }

private:
    std::size_t rim() const { return m_runs.size(); }
    std::size_t hub() const { return m_runs.size() + 1; }
    std::size_t find(std::size_t piece) {
        while (m_parent[piece] != piece) piece = m_parent[piece] = m_parent[m_parent[piece]];
        return piece;
    }
    void join(std::size_t a, std::size_t b) { m_parent[find(a)] = find(b); }

    // Whether two runs of neighbouring rings, each turned by its ring's sensor angle, share
    // more than a boundary.
    bool overlap(const TRun& a, const TRun& b) const {
        const auto span = [this](const TRun& run) {
            const double turn = m_geometry.rings[static_cast<std::size_t>(run.ring - 1)].turn;
            const double from = run.first * m_step + turn;
            return std::pair{from, from + run.length * m_step};
        };
        const auto [aFrom, aTo] = span(a);
        const auto [bFrom, bTo] = span(b);
        for (const double shift : {-720.0, -360.0, 0.0, 360.0, 720.0}) {
            if (std::min(aTo, bTo + shift) - std::max(aFrom, bFrom + shift) > 1e-9) return true;
        }
        return false;
    }

    const TDiskGeometry& m_geometry;
    double m_step;
    std::vector<TRun> m_runs;
    std::vector<std::size_t> m_parent;
};

std::string sectors(const TRun& run, std::size_t count) {
    const auto last = static_cast<std::size_t>(run.first + run.length - 1) % count + 1;
    const auto first = static_cast<std::size_t>(run.first) + 1;
    return first == last ? "Sektor " + std::to_string(first)
                         : "Sektoren " + std::to_string(first) + "–" + std::to_string(last);
}

void limit(std::vector<TDiskCheck>& checks, const std::string& what, double value, double least) {
    const bool below = value < least - kLengthTolerance;
    checks.push_back({below ? TVerdict::Error : TVerdict::Passed,
                      what + " " + millimetres(value) + " mm " + (below ? "<" : "≥") + " " +
                          millimetres(least) + " mm"});
}

}  // namespace

std::vector<TRun> loosePieces(const TDiskSettings& settings) {
    if (settings.style != TDiskStyle::Slit || settings.gap != 0) return {};
    return TPieces(diskGeometry(settings), static_cast<char>('0' + settings.slitBit)).loose();
}

std::string millimetres(double length) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", length);
    std::string shown = text;
    if (shown.back() == '0') shown.pop_back();
    if (shown == "-0.0") shown = "0.0";
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

std::vector<TDiskCheck> diskChecks(const TDiskSettings& settings, TProcess process) {
    const TDiskGeometry geometry = diskGeometry(settings);
    const bool fdm = process == TProcess::Fdm;
    const bool slit = settings.style == TDiskStyle::Slit;
    std::vector<TDiskCheck> checks;

    limit(checks, "Nabensteg", geometry.rings.back().inner - settings.shaft / 2, kMinHubWeb);
    limit(checks, "Rand", settings.rim, fdm ? kMinFdmRim : kMinLaserRim);
    if (slit && settings.gap > 0) {
        const double least = fdm ? kMinFdmWeb : kMinLaserWeb;
        limit(checks, "Steg zwischen den Ringen", settings.gap, least);
        if (checks.back().verdict == TVerdict::Error) {
            checks.back().text += " – Spurabstand " + millimetres(least) + " mm wählen";
        }
    }
    if (slit && settings.gap == 0) {
        TPieces pieces(geometry, static_cast<char>('0' + settings.slitBit));
        const std::string fixes = " – Abhilfe: einen Spurabstand wählen oder Schlitz = " +
                                  std::to_string(1 - settings.slitBit);
        for (const TRun& run : pieces.loose()) {
            checks.push_back({TVerdict::Error, "Lose Teile: Ring " + std::to_string(run.ring) +
                                                   ", " + sectors(run, geometry.disk.words.size()) +
                                                   fixes});
        }
        if (!pieces.whole()) {
            checks.push_back({TVerdict::Error, "Die Scheibe zerfällt in Nabe und Rand" + fixes});
        }
    }

    const double step = 2 * std::numbers::pi / static_cast<double>(geometry.disk.words.size());
    for (std::int32_t ring = 1; ring <= geometry.disk.bits; ++ring) {
        std::int32_t shortest = static_cast<std::int32_t>(geometry.disk.words.size());
        for (const TRun& run : ringRuns(geometry.disk.words, ring)) {
            shortest = std::min(shortest, run.length);
        }
        const double width =
            geometry.rings[static_cast<std::size_t>(ring - 1)].inner * step * shortest;
        const double least = std::max(kMinFeature, 2 * kSensorAperture);
        const bool narrow = width < least - kLengthTolerance;
        checks.push_back({narrow ? TVerdict::Warning : TVerdict::Passed,
                          "Ring " + std::to_string(ring) + ": kleinstes Element " +
                              millimetres(width) + " mm " + (narrow ? "<" : "≥") + " " +
                              millimetres(least) + " mm"});
    }
    if (fdm) {
        for (const auto& [name, value] : {std::pair{"Spurbreite", settings.track},
                                          {"Spurabstand", settings.gap},
                                          {"Rand", settings.rim}}) {
            const double lines = value / kNozzle;
            if (std::fabs(lines - std::round(lines)) > 1e-6) {
                checks.push_back({TVerdict::Warning, std::string(name) + " " + millimetres(value) +
                                                         " mm ist kein Vielfaches von 0,4 mm"});
            }
        }
    }
    if (!slit) {
        checks.push_back({TVerdict::Warning,
                          "Druck: Manche Toner sind für Infrarotsensoren durchsichtig – den "
                          "Ausdruck mit dem Sensor prüfen"});
    }
    std::stable_sort(checks.begin(), checks.end(), [](const TDiskCheck& a, const TDiskCheck& b) {
        return a.verdict > b.verdict;
    });
    return checks;
}

bool blocks(const std::vector<TDiskCheck>& checks) {
    return std::any_of(checks.begin(), checks.end(), [](const TDiskCheck& check) {
        return check.verdict == TDiskCheck::TVerdict::Error;
    });
}
