// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/infoMessage.h"

#include <cstdio>
#include <utility>

namespace {

// stdio rather than iostreams, which would triple the size of the browser edition's module.
void writeToStandardError(const std::string& text) {
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(kInfoMessageCaption.size()),
                 kInfoMessageCaption.data(), text.c_str());
    std::fflush(stderr);
}

InfoMessageHandler& currentHandler() {
    static InfoMessageHandler handler = writeToStandardError;
    return handler;
}

}  // namespace

void showInfoMessage(const std::string& text) { currentHandler()(text); }

InfoMessageHandler setInfoMessageHandler(InfoMessageHandler handler) {
    if (!handler) handler = writeToStandardError;
    return std::exchange(currentHandler(), std::move(handler));
}
