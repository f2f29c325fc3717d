// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QToolButton;
class QWidget;

// A flat picture button of a toolbar that triggers action and shows its icon and enabled
// state. Its tooltip is the action's text with its shortcut in the desktop's language, as
// "Drucken (Strg+P)"; its accessible name is the text alone. Reached by the shortcut, not by Tab.
QToolButton* speedButton(QWidget* toolBar, QAction* action);
