// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolBar.h"

#include <QAction>
#include <QFrame>
#include <QToolButton>
#include <cmath>

#include "app/platform/speedButton.h"
#include "app/platform/zoomArea.h"

namespace {

// Designed sizes on the toolbar: buttons 23 x 22 at top 2, a separator of 6 between groups.
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kGlyphSize = 16;
constexpr int kSeparatorWidth = 6;

}  // namespace

TToolBar::TToolBar(QWidget& window, QWidget& bar, TZoomArea& zoom)
    : QObject(&bar), m_window(window), m_bar(bar), m_zoom(zoom) {
    connect(&zoom, &TZoomArea::zoomChanged, this, [this](double factor) {
        const int side = static_cast<int>(std::lround(kGlyphSize * factor));
        for (QToolButton* shown : m_bar.findChildren<QToolButton*>()) {
            shown->setIconSize(QSize(side, side));
        }
    });
}

QAction* TToolBar::createAction(TActionId id, const QIcon& glyph) {
    const TLessonAction& entry = lessonAction(id);
    auto* made = new QAction(
        glyph, QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())),
        this);
    made->setShortcut(QKeySequence(
        QString::fromLatin1(entry.key.data(), static_cast<qsizetype>(entry.key.size())),
        QKeySequence::PortableText));
    m_window.addAction(made);
    QToolButton* added = speedButton(
        &m_bar, made, entry.keyInTooltip ? TShortcutInTooltip::Yes : TShortcutInTooltip::No);
    added->setIconSize(QSize(kGlyphSize, kGlyphSize));
    m_zoom.place(added, {m_nextLeft, 2, kButtonWidth, kButtonHeight});
    m_nextLeft += kButtonWidth;
    m_actions[static_cast<std::size_t>(id)] = made;
    m_buttons[static_cast<std::size_t>(id)] = added;
    return made;
}

void TToolBar::addSeparator() {
    auto* separator = new QFrame(&m_bar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    m_zoom.place(separator, {m_nextLeft + 2, 3, 4, 20});
    m_nextLeft += kSeparatorWidth;
}
