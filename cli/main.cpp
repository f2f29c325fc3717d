// SPDX-License-Identifier: GPL-3.0-or-later
// zyklora-tree: looks into tree files and copies them.
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/output.h"
#include "cli/printable.h"
#include "cli/treeJson.h"
#include "io/fileAccess.h"
#include "io/treeFile.h"
#include "lib/codePage.h"
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
    "DATEI darf auch eine Pipe sein, etwa /dev/stdin.\n"
    "Eine leere Pipe, Wahrheitswerte außer 08 und 09 und Daten nach dem Ende des Baums\n"
    "gelten als Beschädigung: show meldet sie mit Rückgabewert 1, copy schreibt nichts.\n"
    "Bei falschem Aufruf erscheint die Kurzbeschreibung auf der Fehlerausgabe, Rückgabewert 2.\n";

// Messages quote at most this much of a class name read from a file.
constexpr std::size_t kShownNameLength = 64;
// Room enough for any message of the library and the system, whose parts are trusted.
constexpr std::size_t kShownMessageLength = 8192;

void printError(const std::string& message) {
    TOutput errors(STDERR_FILENO);
    try {
        errors.write("zyklora-tree: " + message + "\n");
        errors.flush();
    } catch (const std::system_error&) {
        // Nowhere left to report to; the exit status still tells.
    }
}

// "file: message (reason)" for errors of the encoding; the file messages name their file
// themselves. A class name is quoted from the exception's copy, so a NUL cannot cut it short.
std::string describe(const EStreamError& error) {
    if (dynamic_cast<const EFileStreamError*>(&error) != nullptr) {
        return printable(error.what(), kShownMessageLength);
    }
    std::string message;
    if (const auto* missing = dynamic_cast<const EClassNotFound*>(&error)) {
        message = "Klasse " + printable(ansiToUtf8(missing->className()), kShownNameLength) +
                  " nicht gefunden";
    } else {
        message = error.what();
    }
    if (!error.fileName().empty()) message = error.fileName() + ": " + message;
    if (error.systemError() != 0) message += " (" + systemReason(error.systemError()) + ")";
    return printable(message, kShownMessageLength);
}

// Reports what the load took although save never writes it; true when there was any.
bool reportDamage(const std::string& fileName, const TBinTree::LoadFindings& findings) {
    const std::string where = printable(fullPathOf(fileName), kShownMessageLength) + ": ";
    if (findings.emptyStream) {
        printError(where + "Keine Daten gelesen; eine leere Eingabe ist kein Baum");
    }
    if (findings.oddBoolean) {
        printError(where + "Beschädigte Datei: ein Wahrheitswert ist weder 08 noch 09");
    }
    if (findings.trailingBytes) {
        printError(where + "Beschädigte Datei: Daten nach dem Ende des Baums");
    }
    return findings.emptyStream || findings.oddBoolean || findings.trailingBytes;
}

int show(const std::string& fileName) {
    TBinTree tree;
    int status = 0;
    try {
        TBinTree::LoadFindings findings;
        tree.loadAndCheck(fileName, findings);
        if (reportDamage(fileName, findings)) status = 1;
    } catch (const EStreamError& error) {
        printError(describe(error));
        status = 1;
    }
    TOutput out(STDOUT_FILENO);
    try {
        writeTreeJson(tree, [&](std::string_view piece) { out.write(piece); });
        out.write("\n");
        out.flush();
    } catch (const std::system_error& error) {
        printError(std::string("Fehler beim Schreiben der Standardausgabe (") +
                   std::strerror(error.code().value()) + ")");
        return 1;
    }
    return status;
}

int copy(const std::string& from, const std::string& to) {
    try {
        TBinTree tree;
        TBinTree::LoadFindings findings;
        tree.loadAndCheck(from, findings);
        if (reportDamage(from, findings)) return 1;
        tree.save(to);
        return 0;
    } catch (const EStreamError& error) {
        printError(describe(error));
        return 1;
    }
}

int run(int argc, char* argv[]) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 2 && (command == "--help" || command == "-h")) {
        std::string text(kUsage);
        text.append("\n").append(kHelp);
        TOutput out(STDOUT_FILENO);
        out.write(text);
        out.flush();
        return 0;
    }
    if (argc == 3 && command == "show") return show(argv[2]);
    if (argc == 4 && command == "copy") return copy(argv[2], argv[3]);
    TOutput errors(STDERR_FILENO);
    errors.write(kUsage);
    errors.flush();
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    // Beyond the file size limit a write fails with EFBIG and is reported, instead of ending the
    // program before it can say why.
    std::signal(SIGXFSZ, SIG_IGN);
    // A reader that goes away, as head does, is a failed write: status 1, not death by SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        registerLibraryClasses();
        installTreeFiles();
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        printError("Nicht genug Arbeitsspeicher");
    } catch (const std::system_error& error) {
        printError(std::strerror(error.code().value()));
    }
    return 1;
}
