// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QScreen>
#include <clocale>
#include <memory>

#include "app/GrayMain.h"
#include "app/UnitAbout.h"
#include "app/platform/germanTranslations.h"
#include "app/platform/glyphs.h"
#include "app/platform/qtInfoMessage.h"
#include "app/windowZoom.h"
#include "io/fileAccess.h"
#include "io/treeFile.h"
#include "lib/libraryClasses.h"

int main(int argc, char* argv[]) {
    // System texts in messages (the reasons of file errors) follow the user's language.
    std::setlocale(LC_ALL, "");
    // Before any window: stored values are re-created through the class registry.
    registerLibraryClasses();
    installTreeFiles();
    // Before Qt starts its threads, which inherit the blocked polite signals.
    prepareForSaves();

    QApplication application(argc, argv);
    installGermanTranslations(application);
    QApplication::setWindowIcon(programIcon());
    installQtInfoMessages();

    const auto FormMain = std::make_unique<TFormMain>();
    // Wholly inside the screen that the window opens on, taskbars excluded.
    if (const QScreen* screen = FormMain->screen()) {
        FormMain->windowZoom().fitInto(screen->availableGeometry());
    }
    const auto aboutBox = std::make_unique<TAboutBox>();
    AboutBox = aboutBox.get();
    FormMain->show();
    return QApplication::exec();
}
