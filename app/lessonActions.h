// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include "lesson/lessonSession.h"

class QAction;
class QObject;

// The window's action for a toolbar action of the lesson: its German name and key from the
// lesson's action table, and glyph as its picture; its data is the id.
QAction* createAction(TActionId id, const QIcon& glyph, QObject* parent);
