// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheetDialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/GrayMain.h"
#include "app/platform/spinEdit.h"
#include "lesson/sheetFont.h"
#include "lib/codePage.h"
#include "tests/support/renderedPdf.h"

namespace {

// A4 in points, and its 15 mm margins.
constexpr double kMarginPt = 15 / 25.4 * 72;
constexpr double kPageWidthPt = 595.276;
constexpr double kPageHeightPt = 841.89;

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished()) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of a PDF page as pdftotext -bbox finds them.
struct TWord {
    QString text;
    QRectF box;
};
std::vector<TWord> wordsOn(const QString& pdf, int page) {
    const QString page_ = QString::number(page);
    const QString found = run("pdftotext", {"-bbox", "-f", page_, "-l", page_, pdf, "-"});
    std::vector<TWord> words;
    static const QRegularExpression word(
        "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)<");
    for (const auto& match : word.globalMatch(found)) {
        const QPointF from(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF to(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.push_back({match.captured(5), QRectF(from, to)});
    }
    return words;
}

// The check bar of the page as (first pixel, length) in 0.1 mm.
std::pair<int, int> checkBar(const QString& pdf, int page) {
    const TempDir dir;
    const TRenderedPage::TBar bar = renderedPage(dir, pdf.toStdString(), page).checkBar();
    return {bar.start, bar.length};
}

class WorksheetDialog : public ::testing::Test {
protected:
    TCountDialogTool& tool() { return *form.findChild<TCountDialogTool*>("worksheetTool"); }
    TWorksheetDialog& dialog() {
        if (tool().dialog() == nullptr) tool().open();
        return *qobject_cast<TWorksheetDialog*>(tool().dialog());
    }
    template <typename Widget>
    Widget* field(const char* name) {
        return dialog().findChild<Widget*>(name);
    }
    // The dialog set to kind (its index), count, variant and whether the solution comes too.
    void choose(int kind, int count, int variant, bool solution) {
        field<QComboBox>("sheetKind")->setCurrentIndex(kind);
        field<QSpinBox>("sheetCount")->setValue(count);
        field<QSpinBox>("sheetVariant")->setValue(variant);
        field<QCheckBox>("sheetSolution")->setChecked(solution);
    }

    TFormMain form;
};

TEST_F(WorksheetDialog, TheToolbarActionComesAfterTheLessonsAndOpensTheDialogForTheWindowsCount) {
    auto* button = form.findChild<QToolButton*>("worksheetButton");
    ASSERT_NE(button, nullptr);
    for (QToolButton* other : form.ToolBar->findChildren<QToolButton*>()) {
        // Only "Scheibe bauen", which leaves the lesson for the workshop, stands after it.
        if (other != button && other->objectName() != "buildDiskButton") {
            EXPECT_LT(other->x(), button->x()) << other->objectName().toStdString();
        }
    }
    EXPECT_EQ(tool().action()->text(), "Arbeitsblatt");
    EXPECT_EQ(tool().action()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    EXPECT_TRUE(tool().action()->isEnabled());

    // Before the first table the count field's count, afterwards the table's.
    form.SpinEdit->setValue(24);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_NE(tool().dialog(), nullptr);
    EXPECT_TRUE(tool().dialog()->isVisible());
    EXPECT_EQ(dialog().sheet().n, 24);
    form.SpinEdit->setValue(7);
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    tool().action()->trigger();
    EXPECT_EQ(dialog().sheet().n, 8);

    // An odd count typed into the dialog is read as the next even one.
    field<QSpinBox>("sheetCount")->setValue(13);
    EXPECT_EQ(dialog().sheet().n, 14);
}

TEST_F(WorksheetDialog, TabWalksTheFieldsByTheirGermanNamesAndTheKeysWorkThem) {
    dialog().show();
    QApplication::setActiveWindow(&dialog());
    field<QComboBox>("sheetKind")->setFocus();
    // "Blätter im Klassensatz" only once the class set is chosen.
    const QStringList expected = {
        "Art",           "Codeanzahl",         "Variante",
        "Neue Variante", "Lösung beilegen",    "Klassensatz",
        "Drucken…",      "Als PDF speichern…", "Nur Lösung als PDF speichern…",
        "Schließen"};
    QStringList names;
    for (int i = 0; i < expected.size(); ++i) {
        names << QApplication::focusWidget()->accessibleName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(names, expected);

    // The kind by the arrow keys, the solution by Space, a new variant by Space on its button.
    QTest::keyClick(field<QComboBox>("sheetKind"), Qt::Key_Down);
    EXPECT_EQ(dialog().sheet().kind, TSheetKind::FillTable);
    QTest::keyClick(field<QCheckBox>("sheetSolution"), Qt::Key_Space);
    EXPECT_TRUE(dialog().withSolution());
    const unsigned before = dialog().sheet().variant;
    QTest::keyClick(field<QPushButton>("newVariant"), Qt::Key_Space);
    EXPECT_NE(dialog().sheet().variant, before);
    EXPECT_GE(dialog().sheet().variant, kMinSheetVariant);
    EXPECT_LE(dialog().sheet().variant, kMaxSheetVariant);
    // The class set by Space, its count next in the tab order, stepped by the arrows.
    QTest::keyClick(field<QCheckBox>("sheetClassSet"), Qt::Key_Space);
    field<QCheckBox>("sheetClassSet")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), "Blätter im Klassensatz");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(dialog().sheetSet().copies, 26);
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(WorksheetDialog,
       SavedPdfHasTheSheetAndItsSolutionWithin15MillimetreMarginsAndA100MillimetreBar) {
    QTemporaryDir dir;
    for (int kind = 0; kind < 3; ++kind) {
        choose(kind, 64, 17, true);
        SCOPED_TRACE(sheetTitle(dialog().sheet()));
        const QString pdf = dir.filePath(QString("blatt-%1.pdf").arg(kind));
        ASSERT_TRUE(dialog().savePdf(pdf));
        const QString info = run("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
        EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();

        for (const int page : {1, 2}) {
            const std::vector<TWord> words = wordsOn(pdf, page);
            const QString heading = page == 1 ? "Arbeitsblatt" : "Lösung";
            EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                                    [&](const TWord& word) { return word.text == heading; }));
            for (const TWord& word : words) {
                EXPECT_TRUE(word.box.left() >= kMarginPt - 0.5 &&
                            word.box.right() <= kPageWidthPt - kMarginPt + 0.5 &&
                            word.box.top() >= kMarginPt - 0.5 &&
                            word.box.bottom() <= kPageHeightPt - kMarginPt + 0.5)
                    << word.text.toStdString() << " on page " << page;
            }
            // 1000 pixels of 0.1 mm: 283.5 pt, to a point; it starts at the left margin.
            const auto [start, length] = checkBar(pdf, page);
            EXPECT_NEAR(length * 72 / 254.0, 283.46, 1.0);
            EXPECT_NEAR(start, 150, 2);
        }
    }
    choose(0, 10, 1, false);
    ASSERT_TRUE(dialog().savePdf(dir.filePath("allein.pdf")));
    EXPECT_TRUE(run("pdfinfo", {dir.filePath("allein.pdf")})
                    .contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_FALSE(dialog().savePdf(dir.filePath("kein/ordner.pdf")));
}

TEST_F(WorksheetDialog, APrinterWithItsOwnMarginsAndResolutionPrintsTrueToSize) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("gedruckt.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageMargins(QMarginsF(25, 30, 25, 30), QPageLayout::Millimeter);
    choose(2, 10, 4711, false);
    dialog().printOn(printer);
    EXPECT_EQ(printer.docName(), "arbeitsblatt-scheibe-ablesen-10-v4711.pdf");
    const auto [start, length] = checkBar(pdf, 1);
    EXPECT_NEAR(length * 72 / 254.0, 283.46, 1.0);
    EXPECT_NEAR(start, 150, 3);
}

// Clicks button and answers the file dialog it opens in folder, under the name that the dialog
// proposes; returns that name.
QString saveThrough(QPushButton* button, const QString& folder) {
    QString proposed;
    QTimer::singleShot(0, [&] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (files == nullptr) return;
        proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
        files->selectFile(QDir(folder).filePath(proposed));
        static_cast<QDialog*>(files)->accept();  // as the dialog's own button does
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return proposed;
}

// The headings and variants of a PDF's pages, one "Arbeitsblatt 17" or "Lösung 17" a page.
QStringList headingsOf(const QString& pdf) {
    static const QRegularExpression heading("Gray-Code – (\\S+)[\\s\\S]*Variante (\\d+) ·");
    QStringList pages;
    const int count = run("pdfinfo", {pdf}).section("Pages:", 1).section('\n', 0, 0).toInt();
    for (int page = 1; page <= count; ++page) {
        const QString text =
            run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
        const QRegularExpressionMatch match = heading.match(text);
        pages << match.captured(1) + " " + match.captured(2);
    }
    return pages;
}

TEST_F(WorksheetDialog, AClassSetSavesOnePdfOfTheSheetsThenTheSolutionsAndTheSolutionsAlone) {
    QTemporaryDir dir;
    choose(1, 10, 9998, true);
    field<QCheckBox>("sheetClassSet")->setChecked(true);
    field<QSpinBox>("sheetCopies")->setValue(3);
    const QString both = saveThrough(field<QPushButton>("sheetPdf"), dir.path());
    EXPECT_EQ(both, "klassensatz-mit-loesungen-tabelle-ausfuellen-10-v9998-v1.pdf");
    EXPECT_EQ(headingsOf(dir.filePath(both)),
              QStringList({"Arbeitsblatt 9998", "Arbeitsblatt 9999", "Arbeitsblatt 1",
                           "Lösung 9998", "Lösung 9999", "Lösung 1"}));
    EXPECT_TRUE(run("pdfinfo", {dir.filePath(both)})
                    .contains("Klassensatz mit Lösungen: Tabelle ausfüllen, Varianten 9998 bis 1"));

    const QString solutions = saveThrough(field<QPushButton>("sheetSolutionPdf"), dir.path());
    EXPECT_EQ(solutions, "loesungen-klassensatz-tabelle-ausfuellen-10-v9998-v1.pdf");
    EXPECT_EQ(headingsOf(dir.filePath(solutions)),
              QStringList({"Lösung 9998", "Lösung 9999", "Lösung 1"}));

    // Without the class set, one sheet and its own solution.
    field<QCheckBox>("sheetClassSet")->setChecked(false);
    field<QCheckBox>("sheetSolution")->setChecked(false);
    const QString sheet = saveThrough(field<QPushButton>("sheetPdf"), dir.path());
    EXPECT_EQ(sheet, "arbeitsblatt-tabelle-ausfuellen-10-v9998.pdf");
    EXPECT_EQ(headingsOf(dir.filePath(sheet)), QStringList({"Arbeitsblatt 9998"}));
    EXPECT_EQ(saveThrough(field<QPushButton>("sheetSolutionPdf"), dir.path()),
              "loesung-tabelle-ausfuellen-10-v9998.pdf");
}

// The print dialog proposes the sheets' own name for printing to a file, never "print.pdf".
TEST_F(WorksheetDialog, ThePrintJobIsNamedAfterTheSheets) {
    choose(0, 12, 5, false);
    field<QCheckBox>("sheetClassSet")->setChecked(true);
    field<QSpinBox>("sheetCopies")->setValue(40);
    QString docName;
    QTimer::singleShot(0, [&] {
        auto* printing = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (printing == nullptr) return;
        docName = printing->printer()->docName();
        printing->reject();
    });
    QTest::mouseClick(field<QPushButton>("sheetPrint"), Qt::LeftButton);
    EXPECT_EQ(docName, "klassensatz-scheibe-ausfuellen-12-v5-v44.pdf");
}

// The preview is the first page, upright A4, drawn anew as the kind, count or variant changes.
TEST_F(WorksheetDialog, ThePreviewFollowsTheFields) {
    choose(0, 10, 17, false);
    const auto shown = [&] { return field<QLabel>("sheetPreview")->pixmap().toImage(); };
    const QImage first = shown();
    ASSERT_FALSE(first.isNull());
    const QSizeF size = first.deviceIndependentSize();
    EXPECT_NEAR(size.height() / size.width(), 297.0 / 210, 0.01);
    int dark = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) dark += qGray(first.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 100);
    std::vector<QImage> seen = {first};
    const std::function<void()> changes[] = {
        [&] { field<QSpinBox>("sheetVariant")->setValue(18); },
        [&] { field<QSpinBox>("sheetCount")->setValue(12); },
        [&] { field<QComboBox>("sheetKind")->setCurrentIndex(2); },
    };
    for (const auto& change : changes) {
        change();
        for (const QImage& before : seen) EXPECT_NE(shown(), before);
        seen.push_back(shown());
    }
}

// The engine's widths stand for the fonts it names: no character of the table may be wider in
// DejaVu Sans or Liberation Sans, regular or bold, than the engine counts it.
TEST(SheetFont, NoCharacterIsWiderInTheFontsThanTheEngineCountsIt) {
    QString characters = QStringLiteral("äöüÄÖÜß–·…");
    for (char16_t c = 0x20; c < 0x7F; ++c) characters += QChar(c);
    for (const QString family : {"DejaVu Sans", "Liberation Sans"}) {
        for (const bool bold : {false, true}) {
            QFont font(family);
            font.setPixelSize(1000);
            font.setBold(bold);
            font.setKerning(false);
            ASSERT_EQ(QFontInfo(font).family(), family) << "installed";
            const QFontMetricsF metrics(font);
            for (const QChar c : characters) {
                const std::string ansi = utf16ToAnsi(std::u16string(1, c.unicode()));
                EXPECT_LE(metrics.horizontalAdvance(c), sheetTextAdvance(ansi, bold) + 1.0)
                    << family.toStdString() << (bold ? " bold " : " ") << QString(c).toStdString();
            }
        }
    }
}

}  // namespace
