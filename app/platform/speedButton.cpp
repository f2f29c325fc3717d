// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/speedButton.h"

#include <QAction>
#include <QToolButton>

QToolButton* speedButton(QWidget* toolBar, QAction* action) {
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    if (!shortcut.isEmpty()) {
        action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), shortcut));
    }
    auto* button = new QToolButton(toolBar);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(action->text());
    return button;
}
