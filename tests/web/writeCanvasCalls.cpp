// SPDX-License-Identifier: GPL-3.0-or-later
// Writes, as JSON, the calls that the native engine makes into the recording canvas when it
// draws the 700 x 700 disk after OK for every count from 4 to 64: {"4": ["pen black", ...], ...}.
// The browser tests compare the WebAssembly module's calls with them. A pie is written as the
// module hands it to the page: its box and its wedge's start and end in radians.

#include <cstdio>
#include <numbers>

#include "gray/codeCount.h"
#include "draw/pieWedge.h"
#include "gray/GrayUnit.h"
#include "gray/grayTable.h"
#include "tests/support/standInWindow.h"

namespace {

class WedgeRecordingCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;

    void pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
             std::int32_t y3, std::int32_t x4, std::int32_t y4) override {
        const TPieWedge wedge = pieWedge(x1, y1, x2, y2, x3, y3, x4, y4);
        char angles[64];
        std::snprintf(angles, sizeof angles, " %.6f %.6f",
                      wedge.startDegrees * std::numbers::pi / 180,
                      wedge.endDegrees * std::numbers::pi / 180);
        calls.push_back("pie " + std::to_string(x1) + ' ' + std::to_string(y1) + ' ' +
                        std::to_string(x2) + ' ' + std::to_string(y2) + angles);
    }
};

}  // namespace

int main() {
    StandInWindow window;
    std::string json = "{";
    for (std::int32_t typed = TCodeCount::kMin; typed <= TCodeCount::kMax; ++typed) {
        TGray gray(shownCount(typed));
        gray.generate();
        WedgeRecordingCanvas canvas(700, 700);
        gray.paintDisk(canvas);
        json += (typed > TCodeCount::kMin ? ",\n\"" : "\n\"") + std::to_string(typed) + "\": [";
        for (std::size_t i = 0; i < canvas.calls.size(); ++i) {
            json += (i > 0 ? ", \"" : "\"") + canvas.calls[i] + '"';
        }
        json += ']';
    }
    json += "\n}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
