// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Installs Qt's own German translations (qtbase_de), so that the standard texts of context
// menus and dialogs are German whatever the user's locale. Returns false when they are missing;
// the program then runs with Qt's English standard texts.
bool installGermanTranslations(QCoreApplication& application);
