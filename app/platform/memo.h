// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// A read-only multi-line text box with a vertical scroll bar only; Tab leaves it. Ctrl with the
// wheel is left to the window, which zooms, instead of changing the box's own font. It reports
// clicks on its lines and, while line stepping is on, Up and Down as steps.
class TMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);

    // While on, Up and Down emit lineStepped instead of moving the text cursor.
    void setLineStepping(bool on) { m_lineStepping = on; }

signals:
    // The mouse button was released over line (0-based).
    void lineClicked(int line);
    // Up (-1) or Down (+1) was pressed while line stepping is on.
    void lineStepped(int step);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_lineStepping = false;
};
