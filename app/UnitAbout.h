// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QFrame;

// The about box "Info": product, version, copyright, terms of use, a disclaimer and a picture,
// with buttons that hand the web and mail addresses to the desktop shell and one that closes
// the box. Modeless; closing only hides it, and it keeps its place between showings.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Makes the box visible. The first showing centres it on the screen; a box that is already
    // visible is left exactly as it is (not even raised).
    void showModeless();

    // Handlers, wired to the buttons below.
    void ButtonWebseiteClick();
    void ButtonMailClick();
    void BitBtnSchliessenClick();

    QFrame* Panel1;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;
    QLabel* ProgramIcon;
    QLabel* Label1;
    QPushButton* ButtonWebseite;
    QPushButton* ButtonMail;
    QPushButton* BitBtnSchliessen;

private:
    bool m_placed = false;
};

// The one about box, created hidden at start-up right after the main window; owned by main.
inline TAboutBox* AboutBox = nullptr;
