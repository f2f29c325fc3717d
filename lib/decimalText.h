// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A number as drawings and files write it: a decimal point, at most places decimals, no
// trailing zeros and no "-0" ("12.5", "0", "-3").
std::string decimalText(double value, int places);
