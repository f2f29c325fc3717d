#pragma once

#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

// A flat picture button of a toolbar, 23 x 22 at (left, 2), with its hint as tooltip.
QToolButton* speedButton(QWidget* toolBar, int left, const QIcon& icon, const QString& hint);
