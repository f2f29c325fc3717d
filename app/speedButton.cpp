#include "app/speedButton.h"

#include <QToolButton>

QToolButton* speedButton(QWidget* toolBar, int left, const QIcon& icon, const QString& hint) {
    auto* button = new QToolButton(toolBar);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setGeometry(left, 2, 23, 22);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
