// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/constructionPlayer.h"

#include <algorithm>

#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"

namespace {

// The marked block's outline is at least this share of the disk's width.
constexpr double kMinOutlineShare = 60;

}  // namespace

void TConstructionPlayer::setCycle(const TGrayCycle& cycle) {
    m_steps = constructionSteps(cycle);
    m_shown = 0;
    m_playing = false;
}

std::string TConstructionPlayer::counter() const {
    return "Schritt " + std::to_string(m_shown + 1) + " von " + std::to_string(m_steps.size());
}

std::string TConstructionPlayer::announcement() const { return counter() + ": " + step().text; }

bool TConstructionPlayer::showsPrefix() const {
    return hasSteps() && step().kind == TStepKind::Mirror;
}

void TConstructionPlayer::paintStepDisk(TCanvas& canvas) const {
    if (hasSteps()) paintDisk(canvas, step().words);
}

std::optional<TSectorMark> TConstructionPlayer::markedSectors(std::int32_t width) const {
    if (!hasSteps() || step().marked.empty()) return std::nullopt;
    // The marked words are one block: its outline runs from the first one's start to the last
    // one's end, as a selected sector's does.
    TSectorMark block = sectorMark(width, step().words, {}, step().marked.front());
    block.endAngle = sectorMark(width, step().words, {}, step().marked.back()).endAngle;
    block.changes.clear();
    // The view's disk is small: scaled from the window's large one, the outline would be
    // thinner than a pixel there.
    block.outlineWidth = std::max(block.outlineWidth, width / kMinOutlineShare);
    return block;
}

void TConstructionPlayer::show(std::size_t step) {
    if (hasSteps()) m_shown = std::min(step, m_steps.size() - 1);
}

void TConstructionPlayer::back() {
    m_playing = false;
    if (m_shown > 0) show(m_shown - 1);
}

void TConstructionPlayer::forward() {
    m_playing = false;
    show(m_shown + 1);
}

void TConstructionPlayer::first() {
    m_playing = false;
    show(0);
}

void TConstructionPlayer::last() {
    m_playing = false;
    show(m_steps.size());
}

void TConstructionPlayer::startOrStopPlaying() {
    if (!hasSteps()) return;
    m_playing = !m_playing;
    if (m_playing && m_shown + 1 == m_steps.size()) show(0);
}

void TConstructionPlayer::tick() {
    if (!m_playing) return;
    show(m_shown + 1);
    if (m_shown + 1 == m_steps.size()) m_playing = false;
}

void TConstructionPlayer::press(TKey key) {
    switch (key) {
        case TKey::Left:
            back();
            break;
        case TKey::Right:
            forward();
            break;
        case TKey::Home:
            first();
            break;
        case TKey::End:
            last();
            break;
        case TKey::Space:
            startOrStopPlaying();
            break;
    }
}
