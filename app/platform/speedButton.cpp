// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/speedButton.h"

#include <QAction>
#include <QToolButton>

QToolButton* speedButton(QWidget* toolBar, QAction* action, TShortcutInTooltip shortcutInTooltip) {
    auto* button = new QToolButton(toolBar);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(action->text());
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    if (!shortcut.isEmpty()) {
        button->setAccessibleDescription(QStringLiteral("Tastenkürzel: ") + shortcut);
        if (shortcutInTooltip == TShortcutInTooltip::Yes) {
            action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), shortcut));
        }
    }
    return button;
}
