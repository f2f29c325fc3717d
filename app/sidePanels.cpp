// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sidePanels.h"

#include <QAction>
#include <QWidget>

#include "app/platform/zoomArea.h"

namespace {

// The gap between the panel and the content's right edge.
constexpr int kMargin = 12;

}  // namespace

TSidePanels::TSidePanels(TZoomArea& zoom)
    : QObject(&zoom), m_zoom(zoom), m_designedWithoutPanel(zoom.designedSize()) {}

void TSidePanels::add(QAction* action, QWidget* panel, int width) {
    m_zoom.place(panel, {kLeft, kTop, width, kHeight});
    panel->hide();
    m_panels.push_back({action, panel, width});
    connect(action, &QAction::toggled, this,
            [this, action](bool shown) { toggled(action, shown); });
}

void TSidePanels::toggled(QAction* action, bool shown) {
    int growth = 0;
    for (const TPanel& entry : m_panels) {
        if (entry.action == action) {
            entry.panel->setVisible(shown);
            if (shown) growth = entry.width + kMargin;
        } else if (shown && entry.action->isChecked()) {
            entry.action->setChecked(false);  // its own tool hides what belongs to it
        }
    }
    m_zoom.setDesignedSize(m_designedWithoutPanel + QSize(growth, 0));
}
