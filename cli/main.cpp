// zyklora-tree: looks into tree files and copies them.
#include <iostream>
#include <string>
#include <string_view>

#include "cli/treeJson.h"
#include "lib/errors.h"
#include "lib/libraryClasses.h"
#include "lib/treeclss.h"

namespace {

constexpr std::string_view kUsage =
    "Aufruf: zyklora-tree show DATEI\n"
    "        zyklora-tree copy QUELLE ZIEL\n"
    "        zyklora-tree --help\n";

constexpr std::string_view kHelp =
    "zyklora-tree zeigt und kopiert Baumdateien der Zyklora-Bibliothek.\n"
    "\n"
    "  show DATEI          lädt DATEI und gibt den Baum als JSON aus: null für einen leeren\n"
    "                      Baum, sonst verschachtelte Knoten mit \"class\", \"value\", \"left\"\n"
    "                      und \"right\". Scheitert das Laden, steht die Meldung auf der\n"
    "                      Fehlerausgabe, der bis dahin gelesene Teil des Baums trotzdem auf\n"
    "                      der Standardausgabe, und der Rückgabewert ist 1.\n"
    "  copy QUELLE ZIEL    lädt QUELLE und speichert den Baum in ZIEL. Scheitert das Laden,\n"
    "                      wird nichts geschrieben. Rückgabewert 0 bei Erfolg, sonst 1.\n"
    "  --help              zeigt diese Hilfe.\n"
    "\n"
    "Bei falschem Aufruf erscheint die Kurzbeschreibung auf der Fehlerausgabe, Rückgabewert 2.\n";

int show(const std::string& fileName) {
    TBinTree tree;
    int status = 0;
    try {
        tree.load(fileName);
    } catch (const EStreamError& error) {
        std::cerr << error.what() << '\n';
        status = 1;
    }
    std::cout << treeToJson(tree) << '\n';
    return status;
}

int copy(const std::string& from, const std::string& to) {
    try {
        TBinTree tree;
        tree.load(from);
        tree.save(to);
        return 0;
    } catch (const EStreamError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    registerLibraryClasses();
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 2 && (command == "--help" || command == "-h")) {
        std::cout << kUsage << '\n' << kHelp;
        return 0;
    }
    if (argc == 3 && command == "show") return show(argv[2]);
    if (argc == 4 && command == "copy") return copy(argv[2], argv[3]);
    std::cerr << kUsage;
    return 2;
}
