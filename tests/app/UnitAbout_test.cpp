// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnitAbout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "app/GrayMain.h"
#include "app/platform/shell.h"

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest() {
        AboutBox = &box;
        m_previousShell =
            setShellOpenHandler([this](const QString& target) { opened.push_back(target); });
    }
    ~AboutBoxTest() override {
        AboutBox = nullptr;
        setShellOpenHandler(std::move(m_previousShell));
    }

    void clickInfo() { QTest::mouseClick(form.SpeedButtonInfo, Qt::LeftButton); }
    void pressInfoShortcut() {
        form.show();
        QApplication::setActiveWindow(&form);
        QTest::keyClick(&form, Qt::Key_I, Qt::ControlModifier);
    }

    TFormMain form;
    TAboutBox box;
    std::vector<QString> opened;

private:
    ShellOpenHandler m_previousShell;
};

TEST_F(AboutBoxTest, InfoShowsOneBoxModelessAndLeavesAVisibleOneAlone) {
    EXPECT_FALSE(box.isVisible());
    clickInfo();
    ASSERT_TRUE(box.isVisible());
    EXPECT_FALSE(box.isModal());
    EXPECT_EQ(box.windowTitle(), "Info");
    EXPECT_EQ(box.size(), QSize(503, 432));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((box.frameGeometry().center() - screenCentre).manhattanLength(), 4);

    box.move(box.pos() + QPoint(30, 20));  // moved by the user
    const QPoint placed = box.pos();
    clickInfo();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.pos(), placed);
    int boxes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        boxes += qobject_cast<TAboutBox*>(widget) != nullptr && widget->isVisible();
    }
    EXPECT_EQ(boxes, 1);
}

TEST_F(AboutBoxTest, CloseButtonCloseBoxAndEscapeHideItAndItReturnsWhereItWas) {
    clickInfo();
    box.move(box.pos() + QPoint(40, 10));
    const QPoint placed = box.pos();
    const std::function<void()> closers[] = {
        [&] { QTest::mouseClick(box.BitBtnSchliessen, Qt::LeftButton); },
        [&] { box.close(); },
        [&] { QTest::keyClick(&box, Qt::Key_Escape); },
        // Focus starts on the close button, and Enter closes the box.
        [&] {
            QApplication::setActiveWindow(&box);
            ASSERT_EQ(box.focusWidget(), box.BitBtnSchliessen);
            QTest::keyClick(box.focusWidget(), Qt::Key_Return);
        },
    };
    for (const auto& closeIt : closers) {
        closeIt();
        EXPECT_FALSE(box.isVisible());
        clickInfo();
        EXPECT_TRUE(box.isVisible());
        EXPECT_EQ(box.pos(), placed);
    }
    box.hide();
    pressInfoShortcut();  // the keyboard reaches the box too
    EXPECT_TRUE(box.isVisible());
}

TEST_F(AboutBoxTest, LinkButtonsHandTheirCurrentCaptionToTheShell) {
    QTest::mouseClick(box.ButtonWebseite, Qt::LeftButton);
    QTest::mouseClick(box.ButtonMail, Qt::LeftButton);
    box.ButtonWebseite->setText("http://www.example.net");
    box.ButtonMail->setText("lehrer@example.net");
    QTest::mouseClick(box.ButtonWebseite, Qt::LeftButton);
    QTest::mouseClick(box.ButtonMail, Qt::LeftButton);
    const std::vector<QString> expected = {"http://www.example.org", "Mailto:zyklora@example.org",
                                           "http://http://www.example.net",
                                           "Mailto:lehrer@example.net"};
    EXPECT_EQ(opened, expected);
    EXPECT_FALSE(box.isVisible());  // the links never show the box themselves
}

TEST_F(AboutBoxTest, TabSkipsTheWebButtonAndTheDisclaimerTakesTwoLines) {
    clickInfo();
    QApplication::setActiveWindow(&box);
    box.ButtonMail->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box.BitBtnSchliessen);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box.ButtonMail);

    const int lineHeight = box.Label1->fontMetrics().height();
    EXPECT_GE(box.Label1->height(), 2 * lineHeight);
    EXPECT_LT(box.Label1->height(), 3 * lineHeight);
    EXPECT_GE(box.Label1->width(), 151);
}

}  // namespace
