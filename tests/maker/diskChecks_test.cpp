// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>

namespace {

std::vector<std::string> errors(const TDiskSettings& settings, TProcess process) {
    std::vector<std::string> texts;
    for (const TDiskCheck& check : diskChecks(settings, process)) {
        if (check.verdict == TDiskCheck::TVerdict::Error) {
            texts.push_back(check.text.substr(0, check.text.find(" – ")));
        }
    }
    return texts;
}

TDiskSettings slitDisk(int n, int slitBit, double gap) {
    TDiskSettings settings;
    settings.count = *TCodeCount::of(n);
    settings.style = TDiskStyle::Slit;
    settings.slitBit = slitBit;
    settings.gap = gap;
    return settings;
}

// With touching rings and "Schlitz = 1", these cells of the table's cut fall out and nothing
// else; with a gap or "Schlitz = 0" nothing does.
TEST(DiskChecks, LoosePiecesOfTouchingRings) {
    const std::map<int, std::vector<std::string>> loose = {
        {30, {"Lose Teile: Ring 2, Sektoren 23–24"}},
        {46, {"Lose Teile: Ring 2, Sektoren 39–40"}},
        {58, {"Lose Teile: Ring 3, Sektoren 45–46"}},
        {60, {"Lose Teile: Ring 3, Sektoren 45–48"}},
        {62, {"Lose Teile: Ring 2, Sektoren 47–48", "Lose Teile: Ring 3, Sektoren 45–50"}},
    };
    for (int n = TCodeCount::kMin; n <= TCodeCount::kMax; n += 2) {
        const auto found = loose.find(n);
        EXPECT_EQ(errors(slitDisk(n, 1, 0), TProcess::Laser),
                  found == loose.end() ? std::vector<std::string>{} : found->second)
            << n;
        EXPECT_TRUE(errors(slitDisk(n, 0, 0), TProcess::Laser).empty()) << n;
        EXPECT_TRUE(errors(slitDisk(n, 1, 1), TProcess::Laser).empty()) << n;
        // The excess cut falls apart unless n is a power of two.
        TDiskSettings excess = slitDisk(n, 1, 0);
        excess.code = TDiskCode::Excess;
        const std::vector<std::string> found2 = errors(excess, TProcess::Laser);
        EXPECT_EQ(std::find(found2.begin(), found2.end(),
                            "Die Scheibe zerfällt in Nabe und Rand") != found2.end(),
                  !std::has_single_bit(static_cast<unsigned>(n)))
            << n;
    }
}

// The limits, with a tolerance so that 1.0 passes 1.0.
TEST(DiskChecks, LimitsOfHubRimAndWeb) {
    const auto with = [](auto change) {
        TDiskSettings settings;
        change(settings);
        return settings;
    };
    const struct {
        TDiskSettings settings;
        TProcess process;
        std::vector<std::string> expected;
    } cases[] = {
        {with([](TDiskSettings& s) {
             s.count = *TCodeCount::of(64);
             s.diameter = 80;
             s.rim = 2;
         }),
         TProcess::Laser,
         {"Nabensteg 0,0 mm < 3,0 mm"}},
        {with([](TDiskSettings& s) {
             s.count = *TCodeCount::of(64);
             s.diameter = 80;
         }),
         TProcess::Laser,
         {"Nabensteg -1,0 mm < 3,0 mm"}},
        {with([](TDiskSettings& s) { s.rim = 1.4; }), TProcess::Laser, {"Rand 1,4 mm < 1,5 mm"}},
        {with([](TDiskSettings& s) { s.rim = 1.4; }), TProcess::Fdm, {}},
        {slitDisk(10, 1, 1), TProcess::Laser, {}},
        {slitDisk(10, 1, 1), TProcess::Fdm, {"Steg zwischen den Ringen 1,0 mm < 1,2 mm"}},
        {slitDisk(10, 1, 1.2), TProcess::Fdm, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(errors(c.settings, c.process), c.expected);
}

// The smallest feature is not always on the outermost ring: at n = 34 ring 6 has 4.44 mm
// against ring 1's 15.52 mm, and 18 of the 31 counts have it on an inner ring.
TEST(DiskChecks, SmallestFeaturePerRing) {
    int inner = 0;
    for (int n = TCodeCount::kMin; n <= TCodeCount::kMax; n += 2) {
        TDiskSettings settings;
        settings.count = *TCodeCount::of(n);
        std::vector<double> widths;
        for (const TDiskCheck& check : diskChecks(settings, TProcess::Laser)) {
            const std::size_t at = check.text.find(": kleinstes Element ");
            if (at == std::string::npos) continue;
            std::string width = check.text.substr(at + 20);
            width = width.substr(0, width.find(' '));
            std::replace(width.begin(), width.end(), ',', '.');
            widths.push_back(std::stod(width));
            if (n == 34 && widths.size() == 1) {
                EXPECT_EQ(width, "15.52");
            }
            if (n == 34 && widths.size() == 6) {
                EXPECT_EQ(width, "4.44");
            }
        }
        if (std::min_element(widths.begin(), widths.end()) != widths.begin()) ++inner;
    }
    EXPECT_EQ(inner, 18);
}

}  // namespace
