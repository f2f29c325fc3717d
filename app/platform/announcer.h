// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Tells screen readers a short text, in the way Qt 6.4 offers: it becomes the accessible
// description of the focused control in window, which sends QAccessible::DescriptionChanged,
// and a screen reader reads that change out. The text is taken back, and the control's own
// description restored, when the next text is announced or the focus leaves the control, so
// that it never stays behind as a stale description.
class TAnnouncer : public QObject {
    Q_OBJECT

public:
    explicit TAnnouncer(QWidget& window);

    void announce(const QString& text);

private:
    void withdraw();

    QWidget& m_window;
    QPointer<QWidget> m_control;
    QString m_ownDescription;
    QString m_text;
};
