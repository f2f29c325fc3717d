// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/saveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                        const QString& filters, const QString& extension, QString* chosenFilter) {
    QString fileName = QFileDialog::getSaveFileName(
        parent, caption, QDir(documentsFolder()).filePath(suggestedName), filters, chosenFilter);
    if (!fileName.isEmpty() && !extension.isEmpty() &&
        !fileName.endsWith(extension, Qt::CaseInsensitive)) {
        fileName += extension;
    }
    return fileName;
}
