// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Installs the POSIX tree file as TreeFiles, so that TBinTree's save and load reach files.
// Programs that keep trees in files call it once at start-up.
void installTreeFiles();
