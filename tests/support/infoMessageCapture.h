// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "lib/infoMessage.h"

// Collects every information message shown while it lives, instead of printing it.
class InfoMessageCapture {
public:
    InfoMessageCapture();
    ~InfoMessageCapture();
    InfoMessageCapture(const InfoMessageCapture&) = delete;
    InfoMessageCapture& operator=(const InfoMessageCapture&) = delete;

    const std::vector<std::string>& messages() const { return m_messages; }

private:
    std::vector<std::string> m_messages;
    InfoMessageHandler m_previous;
};
