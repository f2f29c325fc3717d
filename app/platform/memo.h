#pragma once

#include <QPlainTextEdit>

// A read-only multi-line text box with a vertical scroll bar only; Tab leaves it. Ctrl with the
// wheel is left to the window, which zooms, instead of changing the box's own font.
class TMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
