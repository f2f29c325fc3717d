// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lessonStatus.h"

#include <QLabel>

#include "app/platform/announcer.h"
#include "app/platform/imageControl.h"
#include "app/platform/zoomArea.h"
#include "gray/diskLayout.h"
#include "lesson/lessonSession.h"

TLessonStatus::TLessonStatus(TZoomArea& zoom, TImageControl& disk, TAnnouncer& announcer,
                             const TLessonSession& session)
    : QObject(&disk), m_disk(disk), m_announcer(announcer), m_session(session) {
    // Both fit the classic window: the cycle check under the listing and the disk, the
    // explanation above the disk.
    m_cycleLabel = new QLabel(zoom.content());
    m_cycleLabel->setObjectName(QStringLiteral("cycleLabel"));
    zoom.place(m_cycleLabel, {408, 780, 812, 14});
    m_statusLine = new QLabel(zoom.content());
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    m_statusLine->setAccessibleName(QStringLiteral("Erklärung des gewählten Worts"));
    m_statusLine->setWordWrap(true);
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    zoom.place(m_statusLine, {520, 44, kDesignedDiskSize, 32});
}

void TLessonStatus::tableShown() {
    const TCycleCheck& check = m_session.cycleCheck();
    const QString result = QString::fromStdString(check.text);
    m_cycleLabel->setText(result);
    m_cycleLabel->setStyleSheet(check.cyclic ? QString() : QStringLiteral("color: #c00000;"));
    m_announcer.announce(result);
}

void TLessonStatus::selectionChanged() {
    m_statusLine->setText(QString::fromStdString(m_session.statusLine()));
    if (m_session.cycle() != nullptr) {
        m_disk.setAccessibleDescription(QString::fromStdString(m_session.diskDescription()));
    }
}
