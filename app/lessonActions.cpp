// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lessonActions.h"

#include <QAction>

QAction* createAction(TActionId id, const QIcon& glyph, QObject* parent) {
    const TLessonAction& entry = lessonAction(id);
    auto* made = new QAction(
        glyph, QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())),
        parent);
    made->setData(static_cast<int>(id));
    made->setShortcut(QKeySequence(
        QString::fromLatin1(entry.key.data(), static_cast<qsizetype>(entry.key.size())),
        QKeySequence::PortableText));
    return made;
}
