// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/spinEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <algorithm>

#include "lib/integerText.h"

namespace {

// Qt multiplies steps by ten while Ctrl is held; the spin edit always steps by one increment.
class SingleStepStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_SpinBox_StepModifier) return Qt::NoModifier;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

TSpinEdit::TSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    auto* style = new SingleStepStyle;
    style->setParent(this);
    setStyle(style);
}

void TSpinEdit::setRange(std::int32_t minValue, std::int32_t maxValue) {
    m_minValue = minValue;
    m_maxValue = maxValue;
}

std::int32_t TSpinEdit::value() const {
    // The same reading as the browser page's count field.
    return parsedInteger(text().toStdString()).value_or(m_minValue);
}

void TSpinEdit::setValue(std::int64_t value) {
    const std::int64_t clamped = std::clamp<std::int64_t>(value, m_minValue, m_maxValue);
    lineEdit()->setText(QString::number(clamped));
    selectAll();
}

void TSpinEdit::stepBy(int steps) {
    setValue(std::int64_t{value()} + std::int64_t{steps} * m_increment);
}

// Any text may be typed: reading decides what it means.
QValidator::State TSpinEdit::validate(QString&, int&) const { return QValidator::Acceptable; }

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::clampIntoRange() {
    const std::int32_t current = value();
    if (current < m_minValue || current > m_maxValue) setValue(current);
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) selectAll();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    clampIntoRange();
    QAbstractSpinBox::focusOutEvent(event);
}

bool TSpinEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : window()->actions()) {
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                event->ignore();  // the window's action, not the field's editing key
                return true;
            }
        }
    }
    return QAbstractSpinBox::event(event);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    // Only single steps: page keys would jump by ten increments.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->ignore();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}
