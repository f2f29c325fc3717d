// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/libraryClasses.h"

#include "lib/baseClss.h"
#include "lib/listClss.h"
#include "lib/treeclss.h"

void registerLibraryClasses() {
    registerBaseClss();
    registerListClss();
    registerTreeClss();
}
