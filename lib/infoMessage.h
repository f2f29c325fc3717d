// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The modal information message: information icon, caption "Informationen", one "OK" button.
// The library only says what to show; the application decides how. Without a GUI the text goes
// to standard error.

inline constexpr std::string_view kInfoMessageCaption = "Informationen";

using InfoMessageHandler = std::function<void(const std::string& text)>;

// Shows text (UTF-8) and returns once the user has closed the message.
void showInfoMessage(const std::string& text);

// Routes every later showInfoMessage to handler and returns the handler it replaces. An empty
// handler restores the standard-error default.
InfoMessageHandler setInfoMessageHandler(InfoMessageHandler handler);
