// SPDX-License-Identifier: GPL-3.0-or-later
// One way to count in every text that either edition shows: "Nummer" for the 0-based index in
// the full code, "Position" for the 1-based place in the cycle, never "Wort 9" or "Nr. 9".

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "lesson/construction.h"
#include "lesson/lessonSession.h"
#include "lesson/worksheet.h"
#include "tests/support/cycleOf.h"
#include "tests/support/recordingCanvas.h"

namespace {

// "Wort 9", "Wörter 9 bis 14", "Nr. 9" and their HTML spellings; "Codewort 0110" and
// "Wort des Sektors" are fine.
const std::regex kOtherCount(
    R"((^|[^[:alpha:];])(Wort|Wortes|Wörter|W&ouml;rter|Nr\.)(?: |&nbsp;)+\d)");

void expectNamed(const std::string& text, const std::string& where) {
    std::smatch found;
    EXPECT_FALSE(std::regex_search(text, found, kOtherCount))
        << where << ": \"" << found.str() << "\" in " << text.substr(0, 300);
}

// What the engine says of every code: the selection's texts on both disks, the construction,
// the read head, practice, the Moodle bank and the worksheets.
TEST(Naming, EngineTextsCountByNummerAndPosition) {
    for (int n = 4; n <= 64; n += 2) {
        const TGrayCycle& cycle = cycleOf(n);
        const std::string where = "n = " + std::to_string(n);
        TLessonSession session;
        session.showTable(cycle);
        for (const TConstructionStep& step : constructionSteps(cycle))
            expectNamed(step.text, where);
        TShownDisk& disk = session.shownDisk();
        disk.setShown(true);
        for (const bool binary : {false, true}) {
            disk.setBinary(binary);
            disk.setOffsetUnits(binary ? disk.maxOffset() / 2 : 0);
            for (int position = 0; position < n; ++position) {
                session.select(position);
                expectNamed(session.statusLine(), where);
                disk.setAngle((position + 0.5) * 360.0 / n);
                const TReadHeadPanel panel = disk.panel();
                expectNamed(panel.sectorWord + panel.verdict + disk.readingDecoding(), where);
            }
            disk.startOrStopTurn();
            while (disk.turning()) disk.advanceTurn();
            expectNamed(disk.countLine() + disk.readingLog(), where);
        }
        for (const TTask& task : practiceTasks(cycle, 2, std::min(200, 4 * n))) {
            expectNamed(task.question + task.explanation, where);
        }
        expectNamed(moodleBank(cycle, 3), where);
        for (const TSheetKind kind :
             {TSheetKind::FillDisk, TSheetKind::FillTable, TSheetKind::ReadDisk}) {
            for (const bool solution : {false, true}) {
                RecordingCanvas page(kSheetWidth, kSheetHeight);
                paintSheet(page, {kind, n, 17, solution});
                for (const std::string& call : page.calls) expectNamed(call, where);
            }
        }
    }
    expectNamed(checkCycle({"00", "01", "11", "00"}).text, "a broken cycle");
}

// What the editions write themselves: the window's sources, the help pages and the page.
TEST(Naming, EditionTextsCountByNummerAndPosition) {
    const std::filesystem::path root = ZYKLORA_SOURCE_DIR;
    int files = 0;
    for (const char* folder : {"app", "web"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h" && extension != ".html" &&
                extension != ".js") {
                continue;
            }
            std::ifstream file(entry.path());
            std::ostringstream text;
            text << file.rdbuf();
            expectNamed(text.str(), entry.path().string());
            ++files;
        }
    }
    EXPECT_GT(files, 20);
}

}  // namespace
