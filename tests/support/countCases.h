// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One line of tests/support/countCases.tsv, the count rule that both editions follow.
struct TCountCase {
    std::string text;    // the count field's text
    std::int32_t read;   // the count it stands for
    std::int32_t built;  // the count OK builds
};

std::vector<TCountCase> countCases();
