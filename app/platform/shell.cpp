// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <utility>

namespace {

void openWithDesktop(const QString& target) {
    // A scheme of one letter would be a drive, not an address.
    const QUrl address(target);
    if (address.scheme().size() > 1) {
        QDesktopServices::openUrl(address);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
}

ShellOpenHandler& currentHandler() {
    static ShellOpenHandler handler = openWithDesktop;
    return handler;
}

}  // namespace

void shellOpen(const QString& target) { currentHandler()(target); }

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler) {
    if (!handler) handler = openWithDesktop;
    return std::exchange(currentHandler(), std::move(handler));
}
