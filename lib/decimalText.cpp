// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/decimalText.h"

#include <cstdio>

std::string decimalText(double value, int places) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", places, value);
    std::string text = digits;
    // Trailing zeros and point carry nothing.
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}
