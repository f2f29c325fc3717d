#include "lib/libraryClasses.h"

#include "lib/baseClss.h"
#include "lib/listClss.h"

void registerLibraryClasses() {
    registerBaseClss();
    registerListClss();
}
