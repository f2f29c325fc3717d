// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The folder that save dialogs start in: the user's documents folder, or the home folder where
// there is none. Never the working folder, which the menu entry sets to the program's system
// folder. Nothing is remembered between saves or starts.
QString documentsFolder();

// Asks for the name of a file to save, titled caption, starting in documentsFolder() with
// suggestedName; filters as QFileDialog reads them, and the one chosen in chosenFilter when it
// is given. The name gets extension (such as ".pdf") when it lacks it; empty when cancelled.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                        const QString& filters, const QString& extension,
                        QString* chosenFilter = nullptr);
