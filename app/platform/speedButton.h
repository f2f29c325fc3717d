// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QToolButton;
class QWidget;

// Whether a speed button's tooltip names its shortcut.
enum class TShortcutInTooltip : bool { No, Yes };

// A flat picture button of a toolbar that triggers action and shows its icon and enabled
// state. Its tooltip is the action's text, with the shortcut in the desktop's language added
// when asked, as "Drucken (Strg+P)"; its accessible name is the text alone and its accessible
// description names the shortcut, as "Tastenkürzel: Strg+P". Reached by the shortcut, not by Tab.
QToolButton* speedButton(QWidget* toolBar, QAction* action, TShortcutInTooltip shortcutInTooltip);
