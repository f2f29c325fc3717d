// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnitAbout.h"

#include <qdrawutil.h>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "app/platform/formFont.h"
#include "app/platform/glyphs.h"
#include "app/platform/shell.h"

namespace {

// A panel with a lowered outer and a raised inner bevel, one pixel each.
class BevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};

// A label that sizes itself to its text, as the classic labels do: one line as wide as the
// text, or, wrapped, as high as the lines at its width.
QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool wordWrap = false) {
    auto* result = new QLabel(text, parent);
    result->setWordWrap(wordWrap);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->move(geometry.topLeft());
    if (wordWrap) {
        result->resize(geometry.width(), result->heightForWidth(geometry.width()));
    } else {
        result->adjustSize();
    }
    return result;
}

// Widens a wrapped label from its width on until its text takes at most lines lines; the
// designed widths assume a narrower font than the desktop may have.
void fitToLines(QLabel* wrapped, int lines) {
    // A text of lines lines is less high than one more line would be.
    const int tooHigh = (lines + 1) * wrapped->fontMetrics().height();
    int width = wrapped->width();
    while (wrapped->heightForWidth(width) >= tooHigh && width < 2 * wrapped->width()) ++width;
    wrapped->resize(width, wrapped->heightForWidth(width));
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));
    // A fixed dialog frame whose title bar has only the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(503, 432);
    move(200, 108);
    setFont(formFont());
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);

    Panel1 = new BevelPanel(this);
    Panel1->setGeometry(8, 8, 401, 273);

    ProductName = label(Panel1, QStringLiteral("Zyklora"), {136, 16, 104, 13});
    Version = label(Panel1, QStringLiteral("Version 1.1"), {136, 40, 53, 13});
    Copyright = label(Panel1,
                      QStringLiteral("Copyright © 2026 das Zyklora-Projekt. Freie Software "
                                     "unter der GNU GPL, Version 3 oder später."),
                      {8, 88, 263, 39}, true);
    Comments =
        label(Panel1, QStringLiteral("Freie Nutzung für Lehre und Lernen"), {8, 184, 185, 13});
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(8, 8, 121, 73);
    ProgramIcon->setPixmap(QPixmap::fromImage(subjectsPicture()));
    ProgramIcon->setScaledContents(true);
    Label1 = label(Panel1,
                   QStringLiteral("Keine Garantie auf Fehlerfreiheit Benutzung auf eigenes Risiko"),
                   {8, 224, 151, 26}, true);
    fitToLines(Label1, 2);

    ButtonWebseite = new QPushButton(QStringLiteral("www.example.org"), Panel1);
    ButtonWebseite->setGeometry(40, 136, 97, 25);
    ButtonWebseite->setFocusPolicy(Qt::ClickFocus);  // no tab stop
    ButtonMail = new QPushButton(QStringLiteral("zyklora@example.org"), Panel1);
    ButtonMail->setGeometry(184, 136, 153, 25);

    BitBtnSchliessen = new QPushButton(closeGlyph(), QStringLiteral("&Schließen"), this);
    BitBtnSchliessen->setGeometry(16, 304, 89, 25);
    // Enter closes the box, but on the focused mail button it opens the mail program.
    BitBtnSchliessen->setDefault(true);
    ButtonMail->setAutoDefault(true);
    ButtonWebseite->setAutoDefault(false);

    setTabOrder(ButtonMail, BitBtnSchliessen);

    connect(ButtonWebseite, &QPushButton::clicked, this, &TAboutBox::ButtonWebseiteClick);
    connect(ButtonMail, &QPushButton::clicked, this, &TAboutBox::ButtonMailClick);
    connect(BitBtnSchliessen, &QPushButton::clicked, this, &TAboutBox::BitBtnSchliessenClick);
}

void TAboutBox::showModeless() {
    if (isVisible()) return;
    if (!m_placed) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        m_placed = true;
    }
    show();
    BitBtnSchliessen->setFocus(Qt::ActiveWindowFocusReason);
}

void TAboutBox::ButtonWebseiteClick() {
    shellOpen(QStringLiteral("http://") + ButtonWebseite->text());
}

void TAboutBox::ButtonMailClick() { shellOpen(QStringLiteral("Mailto:") + ButtonMail->text()); }

void TAboutBox::BitBtnSchliessenClick() { hide(); }
