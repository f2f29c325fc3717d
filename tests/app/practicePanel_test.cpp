// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/practicePanel.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>

#include "app/GrayMain.h"
#include "app/platform/memo.h"
#include "app/platform/spinEdit.h"
#include "app/platform/stringGrid.h"
#include "app/teachingTools.h"
#include "app/wordSelection.h"
#include "io/fileAccess.h"
#include "lib/infoMessage.h"
#include "tests/app/shownForm.h"

namespace {

class PracticePanel : public ShownForm {
protected:
    PracticePanel() { QTest::mouseClick(form.BitBtn, Qt::LeftButton); }
};

// A round by keyboard alone: the letters A to D pick, typing answers, Enter checks and goes on;
// seven answers right and three wrong give "7 von 10 richtig".
TEST_F(PracticePanel, ARoundByKeyboardEndsWithItsScore) {
    form.wordSelection().select(4);
    form.SpinEdit->setFocus();
    QTest::keyClick(form.SpinEdit, Qt::Key_U, Qt::ControlModifier);
    ASSERT_TRUE(form.findChild<QWidget*>("practicePanel")->isVisible());
    EXPECT_FALSE(form.StringGrid->isVisible());  // the answers stay out of sight
    EXPECT_FALSE(form.Memo->isVisible());
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(labelText("practiceProgress"), QStringLiteral("Aufgabe %1 von 10").arg(i + 1));
        const TTask task = form.practice().round().task();
        const bool right = i % 4 != 1;
        QWidget* focused = QApplication::focusWidget();
        if (task.choices.empty()) {
            QTest::keyClicks(focused, QString::fromStdString(right ? task.answer : "99"));
        } else {
            const auto at = std::find(task.choices.begin(), task.choices.end(), task.answer) -
                            task.choices.begin();
            QTest::keyClick(focused, static_cast<Qt::Key>(Qt::Key_A + (right ? at : (at + 1) % 4)));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString feedback =
            right ? QStringLiteral("Richtig!")
                  : "Leider falsch – richtig ist " + QString::fromStdString(task.answer) + ".";
        EXPECT_EQ(labelText("practiceFeedback"), feedback);
        EXPECT_EQ(labelText("practiceExplanation"),
                  right ? QString() : QString::fromStdString(task.explanation));
        EXPECT_EQ(QApplication::focusWidget()->accessibleDescription(), feedback);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(labelText("practiceScore"), "7 von 10 richtig");
    EXPECT_EQ(form.findChild<QPushButton*>("checkButton")->text(), "Neue Runde");
    QPushButton* repeat = form.findChild<QPushButton*>("repeatWrongButton");
    ASSERT_TRUE(repeat->isVisible());
    QTest::mouseClick(repeat, Qt::LeftButton);
    EXPECT_EQ(labelText("practiceProgress"), "Aufgabe 1 von 3");
    EXPECT_EQ(form.Memo->blockCount(), 10);  // Enter never reached the window's OK

    // Closing brings the table, the listing and the selection back.
    form.practice().action()->trigger();
    EXPECT_TRUE(form.StringGrid->isVisible());
    EXPECT_EQ(form.wordSelection().selected(), 4);
}

// The saved question bank parses, names its category and grades each question by one answer.
TEST_F(PracticePanel, MoodleBankParsesWithOneFullMarkAnswerPerQuestion) {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("fragen.xml"));
    form.practice().saveForMoodle(fileName);
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int questions = 0;
    int fullMarks = 0;
    QString category;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("question")) {
            ++questions;
        } else if (xml.name() == QStringLiteral("category")) {
            xml.readNextStartElement();
            category = xml.readElementText();
        } else if (xml.name() == QStringLiteral("answer") &&
                   xml.attributes().value(QStringLiteral("fraction")) == QStringLiteral("100")) {
            ++fullMarks;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(category, "Zyklora/Gray-Code n=10");
    EXPECT_EQ(questions, 21);  // the category and twenty tasks
    EXPECT_GE(fullMarks, 20);  // a ring also as "Ring 2"
}

// Beyond the file size limit the bank is not saved, and the window says why instead of ending
// by SIGXFSZ.
TEST_F(PracticePanel, MoodleBankBeyondTheFileSizeLimitIsReported) {
    prepareForSaves();  // as main does
    std::string shown;
    const InfoMessageHandler previous =
        setInfoMessageHandler([&shown](const std::string& text) { shown = text; });
    QTemporaryDir dir;
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit low{4096, limit.rlim_max};  // the bank with its pictures is larger
    ::setrlimit(RLIMIT_FSIZE, &low);
    form.practice().saveForMoodle(dir.filePath(QStringLiteral("fragen.xml")));
    ::setrlimit(RLIMIT_FSIZE, &limit);
    setInfoMessageHandler(previous);
    EXPECT_NE(shown.find("Datei zu groß"), std::string::npos) << shown;
}

}  // namespace
