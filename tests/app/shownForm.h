// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/GrayMain.h"

// The main window shown and active, as a user has it, for the widget tests to drive.
class ShownForm : public ::testing::Test {
protected:
    ShownForm() {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The text of the label named name.
    QString labelText(const char* name) const { return form.findChild<QLabel*>(name)->text(); }

    TFormMain form;
};
