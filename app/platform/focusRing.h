// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

// A ring drawn around whichever control inside its parent has the keyboard focus, so that the
// focus is visible on every control whatever the style draws. Its colour differs from the
// default button's frame, so the two are never mistaken for each other. Mouse clicks pass
// through it.
class TFocusRing : public QWidget {
    Q_OBJECT

public:
    explicit TFocusRing(QWidget* parent);

    // Moves the ring to the focused control again, as after the controls were moved.
    void follow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> m_target;
};
