// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Enters the classes of every library unit in the process-wide class registry, unit by unit:
// baseClss, listClss, then treeclss. Runs once at start-up, before any window and before any stored
// value is read. Calling it again changes nothing.
void registerLibraryClasses();
