// SPDX-License-Identifier: GPL-3.0-or-later
// Writes, as JSON, the worksheet pages that the native engine draws as SVG for each kind at
// n = 4, 10 and 64, variants 17 and 4711, sheet and solution: {"0 4 17 0": "<?xml ...", ...}.
// The module must draw the same documents, so that a variant is the same sheet in both editions.

#include <cstdio>
#include <string>

#include "lesson/worksheet.h"
#include "web/grayPage.h"

namespace {

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace

int main() {
    std::string json = "{";
    for (const int kind : {0, 1, 2}) {
        for (const int n : {4, 10, 64}) {
            for (const unsigned variant : {17u, 4711u}) {
                for (const int solution : {0, 1}) {
                    const std::string key = std::to_string(kind) + ' ' + std::to_string(n) + ' ' +
                                            std::to_string(variant) + ' ' +
                                            std::to_string(solution);
                    const TSheet sheet{static_cast<TSheetKind>(kind), n, variant, solution != 0};
                    json += (json.size() > 1 ? ",\n" : "\n") + jsonString(key) + ": " +
                            jsonString(sheetSvg(sheet));
                }
            }
        }
    }
    json += "\n}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
