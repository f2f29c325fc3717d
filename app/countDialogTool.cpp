// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/countDialogTool.h"

#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QToolButton>
#include <utility>

#include "app/platform/spinEdit.h"
#include "app/toolBar.h"
#include "gray/GrayUnit.h"

void TCountDialog::addLabelledRow(QFormLayout& form, const QString& label, QWidget* field) {
    auto* shown = new QLabel(label, this);
    shown->setBuddy(field);
    field->setAccessibleName(QString(label).remove('&').remove(':'));
    form.addRow(shown, field);
}

TCountDialogTool::TCountDialogTool(TActionId id, const QIcon& glyph, const QString& buttonName,
                                   TDialogMaker makeDialog, QWidget& window, TSpinEdit& countField,
                                   TToolBar& toolBar)
    : QObject(&window),
      m_makeDialog(std::move(makeDialog)),
      m_window(window),
      m_countField(countField),
      m_action(toolBar.createAction(id, glyph)) {
    toolBar.button(id)->setObjectName(buttonName);
    connect(m_action, &QAction::triggered, this, &TCountDialogTool::open);
}

void TCountDialogTool::open() {
    if (m_dialog == nullptr) m_dialog = m_makeDialog(&m_window);
    m_dialog->setCount(m_shownCount.value_or(m_countField.value()));
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TCountDialogTool::tableShown(const TGray& gray) { m_shownCount = gray.codeCount(); }
