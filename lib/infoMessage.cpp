#include "lib/infoMessage.h"

#include <iostream>
#include <utility>

namespace {

void writeToStandardError(const std::string& text) {
    std::cerr << kInfoMessageCaption << ": " << text << std::endl;
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
