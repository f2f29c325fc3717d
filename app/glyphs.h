#pragma once

#include <QIcon>

// The pictures of the main window's buttons, drawn in code at 16 x 16 pixels, each with a
// greyed picture for the disabled state.

// A red question mark over an open book.
QIcon infoGlyph();
// A red question mark in a yellow circle.
QIcon helpGlyph();
// An open door.
QIcon exitGlyph();
// A green tick.
QIcon okGlyph();
