#include "lib/libraryClasses.h"

#include "lib/baseClss.h"
#include "lib/listClss.h"
#include "lib/treeclss.h"

void registerLibraryClasses() {
    registerBaseClss();
    registerListClss();
    registerTreeClss();
}
