// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests run headless on a real QApplication.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/platform/germanTranslations.h"
#include "lib/libraryClasses.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    registerLibraryClasses();
    QApplication application(argc, argv);
    installGermanTranslations(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
