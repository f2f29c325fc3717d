// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/constructionView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/GrayMain.h"
#include "app/platform/spinEdit.h"
#include "app/platform/stringGrid.h"
#include "app/readHeadTool.h"
#include "tests/app/shownForm.h"

namespace {

class ConstructionView : public ShownForm {
protected:
    // The rows of the step's table drawn in the marked colour.
    std::vector<int> highlighted() const {
        const auto* table = form.findChild<QTableWidget*>("stepTable");
        std::vector<int> rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->background().color() == QColor(255, 226, 160)) {
                rows.push_back(row);
            }
        }
        return rows;
    }
};

std::vector<int> range(int from, int to) {
    std::vector<int> rows;
    for (int row = from; row <= to; ++row) rows.push_back(row);
    return rows;
}

// n = 10 by keyboard: Strg+K opens the view at Start, the arrows, Home and End walk the six
// steps, and each shows its list with the added half or the dropped block highlighted.
TEST_F(ConstructionView, KeysWalkTheStepsOfTenAndHighlightWhatEachAddsOrDrops) {
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    QTest::keyClick(form.SpinEdit, Qt::Key_K, Qt::ControlModifier);
    auto* panel = form.findChild<QWidget*>("constructionPanel");
    ASSERT_TRUE(panel->isVisible());
    const auto* table = form.findChild<QTableWidget*>("stepTable");
    std::vector<int> starred;  // the main table's "*" rows, as full-code indices
    for (int row = 1; row <= 16; ++row) {
        if (form.StringGrid->cell(4, row) == "*") starred.push_back(row - 1);
    }
    const struct {
        Qt::Key key;
        int step, rows;
        std::vector<int> marked;
    } walk[] = {
        {Qt::Key_unknown, 1, 2, {}},
        {Qt::Key_Right, 2, 4, range(2, 3)},
        {Qt::Key_Right, 3, 8, range(4, 7)},
        {Qt::Key_Right, 4, 16, range(8, 15)},
        {Qt::Key_Right, 5, 16, starred},
        {Qt::Key_Right, 6, 10, {}},
        {Qt::Key_Home, 1, 2, {}},
        {Qt::Key_End, 6, 10, {}},
        {Qt::Key_Left, 5, 16, range(9, 14)},
    };
    for (const auto& [key, step, rows, marked] : walk) {
        if (key != Qt::Key_unknown) QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(labelText("stepCounter"), QStringLiteral("Schritt %1 von 6").arg(step));
        EXPECT_EQ(table->rowCount(), rows) << step;
        EXPECT_EQ(highlighted(), marked) << step;
        EXPECT_TRUE(QApplication::focusWidget()->accessibleDescription().startsWith(
            QStringLiteral("Schritt %1 von 6: ").arg(step)));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_TRUE(
        labelText("stepText").endsWith("Zyklisch: alle 10 Übergänge ändern genau ein Bit."));
    EXPECT_EQ(table->item(9, 0)->text(), "15");  // the table's number of the last word

    // Space on the last step plays from Start, a tick steps on; OK for another count starts
    // again at Start.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(form.findChild<QPushButton*>("playButton")->text(), "Anhalten");
    form.construction().tick();
    EXPECT_EQ(labelText("stepCounter"), "Schritt 2 von 6");
    form.SpinEdit->setValue(20);
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    EXPECT_EQ(labelText("stepCounter"), "Schritt 1 von 7");

    // One panel beside the disk at a time.
    form.readHead().action()->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(form.construction().action()->isChecked());
}

}  // namespace
