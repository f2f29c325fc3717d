// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/teachingTools.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QXmlStreamReader>
#include <cmath>
#include <numbers>
#include <regex>

#include "app/GrayMain.h"
#include "app/diskExport.h"
#include "app/platform/imageControl.h"
#include "app/platform/memo.h"
#include "app/platform/spinEdit.h"
#include "app/platform/stringGrid.h"
#include "app/wordSelection.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/diskLayout.h"
#include "lesson/construction.h"
#include "tests/support/renderedPdf.h"

namespace {

class TeachingTools : public ::testing::Test {
protected:
    void build(int count) {
        form.SpinEdit->setValue(count);
        QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    }
    TTeachingTools& tools() { return form.teachingTools(); }
    QToolButton* button(const char* name) { return form.findChild<QToolButton*>(name); }

    // The point in the middle of a sector's band of rings.
    QPoint sectorCentre(int word) const {
        const double step = 2 * std::numbers::pi / CurrentGray->codeCount();
        const double angle = (word + 0.5) * step;
        const double ringWidth = 700 / (2 * CurrentGray->bitCount() + 2);
        const double radius = 350 - CurrentGray->bitCount() * ringWidth / 2;
        return QPoint(static_cast<int>(350 + radius * std::cos(angle)),
                      static_cast<int>(350 - radius * std::sin(angle)));
    }

    int listingMark() const {
        const auto marks = form.Memo->extraSelections();
        return marks.size() == 1 ? marks.front().cursor.blockNumber() : -1;
    }
    std::vector<int> tableMarks() const {
        std::vector<int> rows;
        for (const auto& range : form.StringGrid->selectedRanges()) {
            for (int row = range.topRow(); row <= range.bottomRow(); ++row) rows.push_back(row);
        }
        return rows;
    }

    TFormMain form;
};

TEST_F(TeachingTools, SelectingInOnePlaceSelectsEverywhere) {
    for (int count : {6, 10, 64}) {
        build(count);
        const int last = count - 1;
        for (int word : {0, count / 2, last}) {
            const int index = CurrentGray->cycle().indexOf(word);
            const std::function<void()> clicks[] = {
                [&] {
                    const QTextBlock block = form.Memo->document()->findBlockByNumber(word);
                    form.Memo->setTextCursor(QTextCursor(block));
                    form.Memo->ensureCursorVisible();
                    const QPoint at = form.Memo->cursorRect(QTextCursor(block)).center();
                    QTest::mouseClick(form.Memo->viewport(), Qt::LeftButton, {}, at);
                },
                [&] {
                    QTableWidgetItem* cell = form.StringGrid->item(index, 2);
                    form.StringGrid->scrollToItem(cell);
                    QTest::mouseClick(form.StringGrid->viewport(), Qt::LeftButton, {},
                                      form.StringGrid->visualItemRect(cell).center());
                },
                [&] {
                    QTest::mouseClick(form.ImageScheibe, Qt::LeftButton, {}, sectorCentre(word));
                },
            };
            for (const auto& click : clicks) {
                form.wordSelection().clear();
                click();
                EXPECT_EQ(form.wordSelection().selected(), word) << count << '/' << word;
                EXPECT_EQ(listingMark(), word);
                EXPECT_EQ(tableMarks(), std::vector<int>{index});
            }
        }
    }
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);  // a new table clears the selection
    EXPECT_EQ(form.wordSelection().selected(), std::nullopt);
    EXPECT_EQ(listingMark(), -1);
}

TEST_F(TeachingTools, KeyboardSelectionInTheTableAndOnTheDiskLinksAllThreeViews) {
    build(10);  // keeps indices 0..8 and 15
    QLabel* status = form.findChild<QLabel*>("statusLine");
    form.StringGrid->setFocus();
    form.StringGrid->setCurrentCell(7, 1);
    // Row by row down the table: rows 9 to 14 hold dropped words, which have no place.
    const std::pair<int, std::vector<int>> rows[] = {{8, {8}}, {9, {}}, {14, {}}, {15, {15}}};
    for (int row = 8; row <= 15; ++row) {
        QTest::keyClick(form.StringGrid, Qt::Key_Down);
        QApplication::processEvents();
        for (const auto& [at, marks] : rows) {
            if (at != row) continue;
            EXPECT_EQ(tableMarks(), marks) << row;
            if (!marks.empty()) {
                EXPECT_EQ(listingMark(), *CurrentGray->cycle().positionOf(row));
            }
        }
    }
    EXPECT_EQ(form.wordSelection().selected(), 9);

    // On the disk, Right goes on to the next word, across the wrap, and Left back.
    form.ImageScheibe->setFocus();
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 0}, {Qt::Key_Right, 1}, {Qt::Key_Left, 0}, {Qt::Key_Left, 9}};
    for (const auto& [key, word] : steps) {
        QTest::keyClick(form.ImageScheibe, key);
        EXPECT_EQ(form.wordSelection().selected(), word);
        EXPECT_EQ(listingMark(), word);
        EXPECT_EQ(tableMarks(), std::vector<int>{CurrentGray->cycle().indexOf(word)});
        EXPECT_EQ(status->text().toStdString(),
                  QString::fromStdString(
                      sectorDescription(CurrentGray->cycle(), word) + "\n" +
                      decodingText(CurrentGray->cycle(),
                                   CurrentGray->cycle().words()[static_cast<std::size_t>(word)]))
                      .replace('\n', QStringLiteral("  ·  "))
                      .toStdString());
    }
}

TEST_F(TeachingTools, TheMarkedRingIsTheBitThatChangesAlsoAcrossTheWrap) {
    for (int count : {6, 64}) {
        build(count);
        const std::vector<std::string> words = CurrentGray->cycle().words();
        const int bits = CurrentGray->bitCount();
        for (int word : {count - 1, 2}) {
            form.wordSelection().select(word);
            const int changed =
                *singleChangedBit(words[static_cast<std::size_t>(word)],
                                  words[static_cast<std::size_t>((word + 1) % count)]);
            const QImage shown = form.ImageScheibe->grab().toImage();
            const TDiskLayout layout(700, bits, count);
            for (int bit = 0; bit < bits; ++bit) {
                const auto [outer, inner] = layout.boundaryInRing(word, bit);
                // 3 pixels into the next sector: beyond the sector's outline, within the mark.
                const QPointF middle((outer.x + inner.x) / 2, (outer.y + inner.y) / 2);
                const double angle = std::atan2(350 - middle.y(), middle.x() - 350);
                const QPointF probe = middle + 3 * QPointF(-std::sin(angle), -std::cos(angle));
                const bool red = shown.pixelColor(probe.toPoint()) == QColor(220, 0, 0);
                EXPECT_EQ(red, bit == changed) << count << " word " << word << " bit " << bit;
            }
            EXPECT_NE(sectorDescription(CurrentGray->cycle(), word)
                          .find("ändert sich Bit " + std::to_string(changed)),
                      std::string::npos);
        }
        // Down in the listing steps through the cycle, from the last word to the first.
        form.wordSelection().select(count - 1);
        QTest::keyClick(form.Memo, Qt::Key_Down);
        EXPECT_EQ(form.wordSelection().selected(), 0);
        QTest::keyClick(form.Memo, Qt::Key_Up);
        EXPECT_EQ(form.wordSelection().selected(), count - 1);
    }
}

TEST_F(TeachingTools, CycleLabelAndToolButtonsFollowTheTable) {
    for (const char* name : {"saveDiskButton", "printButton", "copyTableButton"}) {
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    }
    for (int count : {4, 22, 64}) {
        build(count);
        EXPECT_EQ(form.findChild<QLabel*>("cycleLabel")->text(),
                  QStringLiteral("Zyklisch: alle %1 Übergänge ändern genau ein Bit").arg(count));
    }
    for (const char* name : {"saveDiskButton", "printButton", "copyTableButton"}) {
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    }
}

TEST_F(TeachingTools, CopiedTableIsTabSeparated) {
    build(10);
    QApplication::clipboard()->clear();
    QTest::mouseClick(button("copyTableButton"), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0], "Nummer\tDualzahl\tRechts-Shift\tXOR\tEntfernen");
    EXPECT_EQ(lines[16], "15\t1111\t0111\t1000\t");
    EXPECT_EQ(QApplication::clipboard()->text().count('*'), 6);
    for (const QString& line : lines) EXPECT_EQ(line.count('\t'), 4);
}

TEST_F(TeachingTools, SavedDiskIsTheWindowsDisk) {
    build(10);
    form.wordSelection().select(3);  // marks stay on screen only
    QTemporaryDir dir;
    const QString png = dir.filePath("scheibe.png");
    ASSERT_TRUE(tools().saveDiskAs(png, 700));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), form.ImageScheibe->picture());
    // Drawn anew at the window's size, the disk is the same picture; larger ones scale.
    const QColor face = form.ImageScheibe->canvas().faceColor();
    EXPECT_EQ(renderDiskImage(form.shownDisk(), 700, face), form.ImageScheibe->picture());
    ASSERT_TRUE(tools().saveDiskAs(dir.filePath("gross.png"), 2000));
    EXPECT_EQ(QImage(dir.filePath("gross.png")).size(), QSize(2000, 2000));

    const QString svg = dir.filePath("scheibe.svg");
    ASSERT_TRUE(tools().saveDiskAs(svg, 700));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int wedges = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"path") ++wedges;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(wedges, 10 * 4);
    // The page saves the same bytes: both editions write the lesson session's drawing.
    file.seek(0);
    EXPECT_EQ(file.readAll().toStdString(), form.session().diskSvg());
    EXPECT_FALSE(tools().saveDiskAs(dir.filePath("kein/ordner.svg"), 700));
}

// "Drucken" prints the engine's page of the disk: one A4 page on white paper, true to size.
TEST_F(TeachingTools, PrintPrintsTheDiskPageOnWhiteTrueToSize) {
    build(64);
    const TempDir dir;
    const std::string pdf = dir.file("codescheibe.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    tools().printWorksheetOn(printer);
    EXPECT_EQ(printer.docName(), "codescheibe-64.pdf");

    const std::string info = runProgram("pdfinfo", dir, pdf).out;
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+1\\n"))) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    EXPECT_NE(pageText(dir, pdf, 1).find("Zyklischer Gray-Code mit n = 64 Codewörtern"),
              std::string::npos);

    // At 0.1 mm a pixel: the check bar, the longest dark row in the page's lowest tenth, is
    // 1000 pixels long, and no grey face shows: hardly a pixel of the window's button face.
    const TRenderedPage page = renderedPage(dir, pdf);
    ASSERT_GT(page.width, 0);
    EXPECT_NEAR(page.checkBar().length, 1000, 3);
    const auto face = std::count_if(page.pixels.begin(), page.pixels.end(), [](char pixel) {
        const int grey = static_cast<unsigned char>(pixel);
        return grey >= 230 && grey <= 245;
    });
    EXPECT_LT(face, static_cast<long>(page.pixels.size() / 200)) << face;
}

}  // namespace
