// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/qtInfoMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "lib/infoMessage.h"

void installQtInfoMessages() {
    setInfoMessageHandler([](const std::string& text) {
        QMessageBox box(QMessageBox::Information,
                        QString::fromUtf8(kInfoMessageCaption.data(),
                                          static_cast<qsizetype>(kInfoMessageCaption.size())),
                        QString::fromStdString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.exec();
    });
}
