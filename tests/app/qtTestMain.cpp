// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests run headless on a real QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

#include "app/platform/germanTranslations.h"
#include "lib/libraryClasses.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    registerLibraryClasses();
    QApplication application(argc, argv);
    // Remembered settings go to a test folder and start empty in every test program.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Zyklora"), QStringLiteral("Zyklora")).clear();
    installGermanTranslations(application);
    // Remembered settings (the zoom) go to Qt's test folder, never the user's, and each run
    // starts without them: CTest runs every test in a process of its own, in any order.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Zyklora"), QStringLiteral("Zyklora")).clear();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
