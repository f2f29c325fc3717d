// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Writes text to fileName through the library's safe save, so that the old file stays whole
// until the new one is complete. "" on success, else the German message to show: "Die Datei …
// konnte nicht geschrieben werden: " and the system's reason (such as "Datei zu groß").
std::string savedText(const std::string& fileName, const std::string& text);
