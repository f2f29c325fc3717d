#include "app/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <utility>

namespace {

void openWithDesktop(const QString& fileName) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

ShellOpenHandler& currentHandler() {
    static ShellOpenHandler handler = openWithDesktop;
    return handler;
}

}  // namespace

void shellOpen(const QString& fileName) { currentHandler()(fileName); }

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler) {
    if (!handler) handler = openWithDesktop;
    return std::exchange(currentHandler(), std::move(handler));
}
