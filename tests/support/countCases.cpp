// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/countCases.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

std::vector<TCountCase> countCases() {
    std::ifstream file(ZYKLORA_COUNT_CASES);
    if (!file) throw std::runtime_error("cannot read " ZYKLORA_COUNT_CASES);
    std::vector<TCountCase> cases;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#') continue;
        const std::size_t close = line.find('"', 1);
        std::istringstream numbers(line.substr(close + 1));
        TCountCase c{line.substr(1, close - 1), 0, 0};
        numbers >> c.read >> c.built;
        cases.push_back(c);
    }
    return cases;
}
