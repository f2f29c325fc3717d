// SPDX-License-Identifier: GPL-3.0-or-later
// Writes, as JSON, the calls that the native engine makes into the recording canvas when it
// draws the 700 x 700 disk after OK for every count from 4 to 64: {"4": ["pen black", ...], ...}.
// The browser tests compare the WebAssembly module's calls with them.

#include <cstdio>

#include "gray/GrayUnit.h"
#include "gray/grayTable.h"
#include "tests/support/standInWindow.h"

int main() {
    StandInWindow window;
    std::string json = "{";
    for (std::int32_t typed = kMinShownCount; typed <= kMaxShownCount; ++typed) {
        TGray gray(shownCount(typed));
        gray.generate();
        RecordingCanvas canvas(700, 700);
        gray.paintDisk(canvas);
        json += (typed > kMinShownCount ? ",\n\"" : "\n\"") + std::to_string(typed) + "\": [";
        for (std::size_t i = 0; i < canvas.calls.size(); ++i) {
            json += (i > 0 ? ", \"" : "\"") + canvas.calls[i] + '"';
        }
        json += ']';
    }
    json += "\n}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
