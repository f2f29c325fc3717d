// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/textFile.h"

#include <cstdint>
#include <span>
#include <typeinfo>

#include "io/fileAccess.h"
#include "lib/errors.h"

std::string savedText(const std::string& fileName, const std::string& text) {
    const std::string failed = "Die Datei " + fileName + " konnte nicht geschrieben werden";
    try {
        TReplacingFile file(fileName);
        const std::span<const std::uint8_t> bytes(
            reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        if (file.stream().write(bytes) != bytes.size()) {
            const int error = file.stream().lastError();
            return error != 0 ? failed + ": " + systemReason(error) : failed;
        }
        file.commit();
        return "";
    } catch (const EStreamError& error) {
        // The file messages name their reason; the others get it here ("Datei zu groß").
        std::string reason = error.what();
        if (dynamic_cast<const EFileStreamError*>(&error) == nullptr && error.systemError() != 0) {
            reason += " (" + systemReason(error.systemError()) + ")";
        }
        return failed + ": " + reason;
    }
}
