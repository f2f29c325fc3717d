// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/practicePanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <random>
#include <span>

#include "app/diskGeometry.h"
#include "app/platform/announcer.h"
#include "app/platform/glyphs.h"
#include "app/platform/imageControl.h"
#include "app/platform/qtCanvas.h"
#include "app/platform/saveDialog.h"
#include "app/platform/zoomArea.h"
#include "app/sidePanels.h"
#include "app/toolBar.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "io/fileAccess.h"
#include "io/textFile.h"
#include "lesson/sectorMark.h"
#include "lib/errors.h"
#include "lib/infoMessage.h"

namespace {

// Over the table and the listing, at 100 %.
constexpr QRect kOverTableAndListing{8, 112, 497, 665};

}  // namespace

unsigned freshSeed() { return std::random_device{}(); }

TPracticePanel::TPracticePanel(const TToolPlace& place, TImageControl& disk,
                               const QList<QWidget*>& covered, TLessonSession& session)
    : QWidget(place.zoom.content()),
      m_announcer(place.announcer),
      m_disk(disk),
      m_covered(covered),
      m_session(session),
      m_round(session.practice()) {
    TZoomArea& zoom = place.zoom;
    setObjectName(QStringLiteral("practicePanel"));
    setAccessibleName(QStringLiteral("Üben"));
    setFocusPolicy(Qt::StrongFocus);
    m_action = place.toolBar.createAction(TActionId::Practice, practiceGlyph());
    m_action->setCheckable(true);
    m_action->setEnabled(false);  // until there is a table
    place.toolBar.button(TActionId::Practice)->setObjectName(QStringLiteral("practiceButton"));

    const auto label = [&](const QString& text, const QRect& designed, const char* name) {
        QLabel* made = zoom.placeLabel(this, text, designed);
        made->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    QFont bold;
    bold.setBold(true);
    label(QStringLiteral("Üben"), {8, 8, 480, 18}, "practiceTitle")->setFont(bold);
    m_progress = label(QString(), {8, 30, 480, 16}, "practiceProgress");
    m_question = label(QString(), {8, 52, 480, 64}, "practiceQuestion");
    m_question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_choiceGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_choices[static_cast<std::size_t>(i)] = new QRadioButton(this);
        m_choices[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("choice%1").arg(i));
        m_choiceGroup->addButton(m_choices[static_cast<std::size_t>(i)], i);
        zoom.place(m_choices[static_cast<std::size_t>(i)], {8, 122 + i * 28, 480, 24});
    }
    connect(m_choiceGroup, &QButtonGroup::idClicked, this, [this](int id) { m_round.pick(id); });
    m_answerLabel = label(QStringLiteral("Antwort:"), {8, 122, 60, 24}, "answerLabel");
    m_answer = new QLineEdit(this);
    m_answer->setObjectName(QStringLiteral("answerField"));
    m_answer->setAccessibleName(QStringLiteral("Antwort"));
    m_answerLabel->setBuddy(m_answer);
    zoom.place(m_answer, {70, 122, 150, 24});
    connect(m_answer, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_session.typeAnswer(text.toStdString()); });
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("checkButton"));
    zoom.place(m_button, {8, 240, 140, 28});
    connect(m_button, &QPushButton::clicked, this, &TPracticePanel::confirm);
    m_feedback = label(QString(), {160, 240, 328, 28}, "practiceFeedback");
    m_feedback->setFont(bold);
    m_score = label(QString(), {8, 122, 480, 28}, "practiceScore");
    m_score->setFont(bold);
    m_repeat = new QPushButton(QStringLiteral("Falsche Aufgaben wiederholen"), this);
    m_repeat->setObjectName(QStringLiteral("repeatWrongButton"));
    zoom.place(m_repeat, {8, 156, 240, 28});
    connect(m_repeat, &QPushButton::clicked, this, [this] {
        m_round.repeatWrong();
        showTask();
    });
    label(QStringLiteral("Eine Auswahl mit den Tasten A bis D treffen oder die Antwort eintippen; "
                         "Enter prüft und geht weiter."),
          {8, 284, 480, 40}, "practiceHint");
    m_explanation = label(QString(), {8, 328, 480, 120}, "practiceExplanation");
    label(QStringLiteral("Aufgabenarten"), {8, 456, 480, 18}, "kindsTitle")->setFont(bold);
    for (const TTaskKind kind : kTaskKinds) {
        auto* box = new QCheckBox(QString::fromStdString(taskKindName(kind)), this);
        box->setObjectName(QStringLiteral("kind%1").arg(static_cast<int>(kind)));
        box->setChecked(m_round.kinds().has(kind));
        zoom.place(box, {8, 478 + static_cast<int>(kind) * 24, 300, 22});
        connect(box, &QCheckBox::toggled, this, [this, box, kind](bool chosen) {
            m_round.setKind(kind, chosen);
            box->setChecked(m_round.kinds().has(kind));  // the last kind stays chosen
            showTask();
        });
    }
    auto* moodle = new QPushButton(QStringLiteral("Für Moodle speichern…"), this);
    moodle->setObjectName(QStringLiteral("moodleButton"));
    zoom.place(moodle, {8, 620, 220, 28});
    connect(moodle, &QPushButton::clicked, this, &TPracticePanel::chooseFileForMoodle);

    // The panel is shown first, so that its controls can take the focus.
    place.panels.addOver(TLessonPanel::Practice, m_action, this, kOverTableAndListing);
    connect(m_action, &QAction::toggled, this, &TPracticePanel::setShown);
}

void TPracticePanel::tableShown() {
    m_action->setEnabled(true);
    if (m_session.practising()) showTask();
}

void TPracticePanel::setShown() {
    // While practising, the table, the listing, a selected word's explanation and the tooltips
    // would give answers away; the covered controls leave the Tab order too. The session keeps
    // the selection meanwhile, and the selection shows it again afterwards.
    const bool shown = m_session.practising();
    for (QWidget* covered : m_covered) covered->setVisible(!shown);
    emit shownChanged();
    if (shown) {
        showTask();
    } else {
        m_disk.setOverlay(this, {});
    }
}

void TPracticePanel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_D && m_round.pickByKey(event->text().toStdString())) {
        m_choices[static_cast<std::size_t>(*m_round.picked())]->setChecked(true);
        m_choices[static_cast<std::size_t>(*m_round.picked())]->setFocus();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        confirm();  // not the window's OK
        return;
    }
    QWidget::keyPressEvent(event);
}

void TPracticePanel::confirm() {
    if (!m_round.started()) return;
    const bool checking = !m_round.checked() && !m_round.finished();
    m_round.confirm();
    showTask();
    if (checking && m_round.checked()) {
        m_announcer.announce(QString::fromStdString(m_round.feedback()));
    } else if (m_round.finished()) {
        m_announcer.announce(QString::fromStdString(m_round.score()));
    }
}

void TPracticePanel::showTask() {
    if (!m_round.started()) return;
    const bool finished = m_round.finished();
    m_progress->setText(finished ? QStringLiteral("Runde beendet")
                                 : QString::fromStdString(m_round.progress()));
    m_button->setText(QString::fromStdString(m_round.buttonText()));
    m_score->setVisible(finished);
    m_score->setText(QString::fromStdString(m_round.score()));
    m_repeat->setVisible(m_round.canRepeatWrong());
    const bool choices = !finished && !m_round.task().choices.empty();
    const bool typed = !finished && !choices;
    m_question->setText(finished ? QString() : QString::fromStdString(m_round.task().question));
    m_answerLabel->setVisible(typed);
    m_answer->setVisible(typed);
    m_answer->setEnabled(!m_round.checked());
    if (typed && !m_round.checked()) {
        m_answer->clear();
        m_answer->setFocus();
    }
    m_choiceGroup->setExclusive(false);  // so that no choice stays picked for the next task
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        QRadioButton* choice = m_choices[i];
        choice->setVisible(choices);
        if (!choices) continue;
        const std::string& text = m_round.task().choices[i];
        choice->setText(QString::fromStdString(choiceLabel(i) + "   " + text));
        choice->setAccessibleName(QString::fromStdString(text));
        choice->setChecked(m_round.picked() == static_cast<int>(i));
        choice->setEnabled(!m_round.checked());
    }
    m_choiceGroup->setExclusive(true);
    if (choices && !m_round.checked() && !m_round.picked()) m_choices.front()->setFocus();
    if (m_round.checked() || finished) m_button->setFocus();
    const bool right = m_round.wasRight();
    m_feedback->setText(QString::fromStdString(m_round.feedback()));
    m_explanation->setText(QString::fromStdString(m_round.explanation()));
    m_feedback->setStyleSheet(right ? QStringLiteral("color: #006e00;")
                                    : QStringLiteral("color: #c80000;"));
    markSector();
}

void TPracticePanel::markSector() {
    const std::optional<TSectorMark> mark = m_session.mark(m_disk.width());
    m_disk.setOverlay(this, m_session.practising() && mark ? markOverlay(*mark) : nullptr);
}

void TPracticePanel::chooseFileForMoodle() {
    if (m_session.cycle() == nullptr) return;
    const QString fileName =
        askSaveFileName(this, QStringLiteral("Für Moodle speichern"),
                        QString::fromStdString(m_session.moodleFileName()),
                        QStringLiteral("Moodle-XML (*.xml)"), QStringLiteral(".xml"));
    if (!fileName.isEmpty()) saveForMoodle(fileName);
}

void TPracticePanel::saveForMoodle(const QString& fileName) {
    if (m_session.cycle() == nullptr) return;
    const std::string failure = savedText(fileName.toStdString(), m_session.moodleXml(freshSeed()));
    if (!failure.empty()) showInfoMessage(failure);
}
