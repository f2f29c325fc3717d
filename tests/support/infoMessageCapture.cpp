// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/infoMessageCapture.h"

#include <utility>

InfoMessageCapture::InfoMessageCapture()
    : m_previous(
          setInfoMessageHandler([this](const std::string& text) { m_messages.push_back(text); })) {}

InfoMessageCapture::~InfoMessageCapture() { setInfoMessageHandler(std::move(m_previous)); }
