// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSpinBox>
#include <cstdint>

// An integer spin edit that reads its value from its text and clamps only when written:
// - value() parses the text; empty text, text that is not an integer, or a number beyond the
//   32-bit range reads as the minimum. Reading does not clamp.
// - setValue() stores the value clamped into minimum .. maximum and shows it as text.
// - The up and down buttons and keys add or subtract the increment to the value read, then
//   write the result.
// - Leaving the field replaces a value outside the range by its clamped value.
// - Like the classic spin edit, the whole text is selected when the field gets the focus (but
//   for a mouse click, which places the cursor) and after a value is written, so that digits
//   typed next replace it. Every step is one increment, with or without Ctrl.
// Enter is left to the window, which activates its default button, and so are the shortcuts of
// the window's actions, even where a text field would take them for editing (Ctrl+U, Ctrl+K).
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    // Read by screen readers, which announce "value [minimum..maximum]".
    Q_PROPERTY(int value READ value)
    Q_PROPERTY(int minimum READ minimum)
    Q_PROPERTY(int maximum READ maximum)

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    void setRange(std::int32_t minValue, std::int32_t maxValue);
    void setIncrement(std::int32_t increment) { m_increment = increment; }
    std::int32_t minimum() const { return m_minValue; }
    std::int32_t maximum() const { return m_maxValue; }

    std::int32_t value() const;
    void setValue(std::int64_t value);
    // Replaces a value read outside minimum .. maximum by its clamped value; text that reads as
    // the minimum stays as it is.
    void clampIntoRange();

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::int32_t m_minValue = 0;
    std::int32_t m_maxValue = 100;
    std::int32_t m_increment = 1;
};
