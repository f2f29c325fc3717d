// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shows the library's information messages in a modal Qt message box: information icon,
// caption "Informationen", one "OK" button, over the active window.
void installQtInfoMessages();
