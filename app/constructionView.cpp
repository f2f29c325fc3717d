// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/constructionView.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/diskGeometry.h"
#include "app/platform/announcer.h"
#include "app/platform/glyphs.h"
#include "app/platform/imageControl.h"
#include "app/platform/qtCanvas.h"
#include "app/platform/zoomArea.h"
#include "app/sidePanels.h"
#include "app/toolBar.h"
#include "draw/lessonColors.h"
#include "lesson/lessonSession.h"

namespace {

constexpr int kPanelWidth = 260;
constexpr int kRowHeight = 16;
// Set on a word's cell whose first character is the prefix bit of a mirror step.
constexpr int kPrefixRole = Qt::UserRole + 1;

// Paints a word with its first character, the prefix bit, in the prefix colour.
class TPrefixDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!index.data(kPrefixRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString word = cell.text;
        cell.text.clear();
        cell.widget->style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        const QRect text =
            cell.widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &cell, cell.widget);
        painter->save();
        QFont bold = cell.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(rgbToQColor(kPrefixBitColor));
        const int prefixWidth = QFontMetrics(bold).horizontalAdvance(word.left(1));
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, word.left(1));
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(QPalette::Text));
        painter->drawText(text.adjusted(prefixWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          word.mid(1));
        painter->restore();
    }
};

}  // namespace

TConstructionView::TConstructionView(const TToolPlace& place, TLessonSession& session)
    : QWidget(place.zoom.content()),
      m_announcer(place.announcer),
      m_session(session),
      m_player(session.construction()) {
    TZoomArea& zoom = place.zoom;
    setObjectName(QStringLiteral("constructionPanel"));
    setAccessibleName(QStringLiteral("Konstruktion"));
    setFocusPolicy(Qt::StrongFocus);
    m_action = place.toolBar.createAction(TActionId::Construction,
                                          constructionGlyph(rgbToQColor(kPrefixBitColor)));
    m_action->setCheckable(true);
    m_action->setEnabled(false);  // until there is a table
    place.toolBar.button(TActionId::Construction)
        ->setObjectName(QStringLiteral("constructionButton"));

    const auto label = [&](const QString& text, const QRect& designed) {
        return zoom.placeLabel(this, text, designed);
    };
    QFont bold;
    bold.setBold(true);
    label(QStringLiteral("Konstruktion"), {0, 0, kPanelWidth, 16})->setFont(bold);
    m_counter = label(QString(), {0, 20, kPanelWidth, 16});
    m_counter->setObjectName(QStringLiteral("stepCounter"));
    const auto button = [&](const QString& caption, const QRect& designed) {
        auto* made = new QPushButton(caption, this);
        zoom.place(made, designed);
        return made;
    };
    QPushButton* back = button(QStringLiteral("Zurück"), {0, 40, 80, 25});
    QPushButton* forward = button(QStringLiteral("Weiter"), {88, 40, 80, 25});
    m_playButton = button(QStringLiteral("Abspielen"), {176, 40, 84, 25});
    m_playButton->setObjectName(QStringLiteral("playButton"));
    m_text = label(QString(), {0, 72, kPanelWidth, 112});
    m_text->setObjectName(QStringLiteral("stepText"));

    m_disk = new TImageControl(this);
    m_disk->setObjectName(QStringLiteral("stepDisk"));
    m_disk->setAccessibleName(QStringLiteral("Scheibe nach diesem Schritt"));
    zoom.place(m_disk, {30, 188, 200, 200});
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("stepTable"));
    m_table->setAccessibleName(QStringLiteral("Liste nach diesem Schritt"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Nummer"), QStringLiteral("Codewort")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);  // the panel's keys step, they do not scroll
    m_table->setItemDelegateForColumn(1, new TPrefixDelegate(m_table));
    zoom.place(m_table, {0, 396, kPanelWidth, 304});
    // Rows as low as the main table's, at every zoom.
    const auto fitRows = [this](double factor) {
        m_table->verticalHeader()->setMinimumSectionSize(1);
        m_table->verticalHeader()->setDefaultSectionSize(
            static_cast<int>(std::lround(kRowHeight * factor)));
    };
    fitRows(zoom.zoom());
    connect(&zoom, &TZoomArea::zoomChanged, this, fitRows);

    m_timer = new QTimer(this);
    m_timer->setInterval(TConstructionPlayer::kStepMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &TConstructionView::tick);
    using TKey = TConstructionPlayer::TKey;
    connect(back, &QPushButton::clicked, this, [this] { act(TKey::Left); });
    connect(forward, &QPushButton::clicked, this, [this] { act(TKey::Right); });
    connect(m_playButton, &QPushButton::clicked, this, [this] { act(TKey::Space); });
    connect(m_disk, &TImageControl::pictureOutdated, this, &TConstructionView::paintStepDisk);
    // The panel is shown first, so that it can take the focus.
    place.panels.add(TLessonPanel::Construction, m_action, this, kPanelWidth);
    connect(m_action, &QAction::toggled, this, &TConstructionView::setShown);
}

void TConstructionView::tableShown() {
    m_action->setEnabled(true);
    followPlaying();
    showStep(false);
}

void TConstructionView::setShown(bool shown) {
    followPlaying();  // the session stopped playing when it closed the panel
    if (shown) {
        setFocus();  // the keys step at once
        showStep(true);
    }
}

void TConstructionView::act(TConstructionPlayer::TKey key) {
    if (!m_player.hasSteps()) return;
    m_player.press(key);
    followPlaying();
    showStep(true);
}

void TConstructionView::tick() {
    m_player.tick();
    followPlaying();
    showStep(true);
}

void TConstructionView::keyPressEvent(QKeyEvent* event) {
    using TKey = TConstructionPlayer::TKey;
    static constexpr std::pair<int, TKey> kKeys[] = {{Qt::Key_Left, TKey::Left},
                                                     {Qt::Key_Right, TKey::Right},
                                                     {Qt::Key_Home, TKey::Home},
                                                     {Qt::Key_End, TKey::End},
                                                     {Qt::Key_Space, TKey::Space}};
    for (const auto& [key, action] : kKeys) {
        if (event->key() == key) {
            act(action);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TConstructionView::followPlaying() {
    if (!m_player.playing()) {
        m_timer->stop();
    } else if (!m_timer->isActive()) {
        m_timer->start();
    }
    m_playButton->setText(QString::fromStdString(m_player.playButtonText()));
}

void TConstructionView::showStep(bool told) {
    if (!m_player.hasSteps()) return;
    m_counter->setText(QString::fromStdString(m_player.counter()));
    m_text->setText(QString::fromStdString(m_player.step().text));
    fillTable();
    paintStepDisk();
    if (told && m_action->isChecked()) {
        m_announcer.announce(QString::fromStdString(m_player.announcement()));
    }
}

void TConstructionView::fillTable() {
    const TConstructionStep& step = m_player.step();
    const QBrush marked(rgbToQColor(kStepMarkedRowColor));
    const std::vector<TLessonSession::TStepRow> rows = m_session.stepRows();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const TLessonSession::TStepRow& cells = rows[static_cast<std::size_t>(row)];
        auto* number = new QTableWidgetItem(QString::fromStdString(cells.number));
        auto* word = new QTableWidgetItem(QString::fromStdString(cells.prefix + cells.rest));
        word->setData(kPrefixRole, !cells.prefix.empty());
        if (cells.marked) {
            number->setBackground(marked);
            word->setBackground(marked);
        }
        m_table->setItem(row, 0, number);
        m_table->setItem(row, 1, word);
    }
    // The first marked row in view, as a mirror step's new half or the dropped block.
    if (!step.marked.empty()) m_table->scrollToItem(m_table->item(step.marked.front(), 0));
}

void TConstructionView::paintStepDisk() {
    if (!m_player.hasSteps()) return;
    m_player.paintStepDisk(m_disk->canvas());
    const auto block = m_player.markedSectors(m_disk->width());
    m_disk->setOverlay(this, block ? markOverlay(*block) : nullptr);
}
