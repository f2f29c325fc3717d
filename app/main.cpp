#include <QApplication>
#include <memory>

#include "app/GrayMain.h"
#include "app/UnitAbout.h"
#include "app/germanTranslations.h"
#include "app/glyphs.h"
#include "app/qtInfoMessage.h"
#include "lib/libraryClasses.h"

int main(int argc, char* argv[]) {
    // Before any window: stored values are re-created through the class registry.
    registerLibraryClasses();

    QApplication application(argc, argv);
    installGermanTranslations(application);
    QApplication::setWindowIcon(programIcon());
    installQtInfoMessages();

    const auto FormMain = std::make_unique<TFormMain>();
    const auto aboutBox = std::make_unique<TAboutBox>();
    AboutBox = aboutBox.get();
    FormMain->show();
    return QApplication::exec();
}
