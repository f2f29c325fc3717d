// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QObject>
#include <functional>
#include <optional>

#include "lesson/lessonSession.h"

class QAction;
class QFormLayout;
class QIcon;
class TGray;
class TSpinEdit;
class TToolBar;

// A dialog about a code of some words, such as a worksheet or a disk to build.
class TCountDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;
    // Shows count (as OK would build it) in the dialog's count field.
    virtual void setCount(int count) = 0;

protected:
    // Adds a row to form: label, whose mnemonic leads to field, and field, named for screen
    // readers as its label reads, without the mnemonic's & and the colon.
    void addLabelledRow(QFormLayout& form, const QString& label, QWidget* field);
};

// A toolbar action that opens its dialog, modeless, for the count of the window's table, or of
// its count field before the first table. The dialog is made on the first opening.
class TCountDialogTool : public QObject {
    Q_OBJECT

public:
    using TDialogMaker = std::function<TCountDialog*(QWidget* parent)>;

    // The action id with glyph on toolBar, its button named buttonName; the dialog's parent is
    // window.
    TCountDialogTool(TActionId id, const QIcon& glyph, const QString& buttonName,
                     TDialogMaker makeDialog, QWidget& window, TSpinEdit& countField,
                     TToolBar& toolBar);

    QAction* action() const { return m_action; }
    // The dialog, once it has been opened.
    TCountDialog* dialog() const { return m_dialog; }
    void open();
    // The table shown, whose count the dialog takes from now on.
    void tableShown(const TGray& gray);

private:
    TDialogMaker m_makeDialog;
    QWidget& m_window;
    TSpinEdit& m_countField;
    // The count of the table shown, once there is one.
    std::optional<int> m_shownCount;
    QAction* m_action;
    TCountDialog* m_dialog = nullptr;
};
