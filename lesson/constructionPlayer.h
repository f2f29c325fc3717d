// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lesson/construction.h"
#include "lesson/sectorMark.h"

class TCanvas;
class TGrayCycle;

// The construction view's state, for the window and the page alike: the steps of the code of
// the last OK, the step shown, and whether they play one after another. The editions forward
// the buttons, keys and timer ticks here and show what it says.
class TConstructionPlayer {
public:
    // How long each step stands while playing.
    static constexpr int kStepMilliseconds = 1500;

    // The steps of the code of cycle, shown from Start, not playing.
    void setCycle(const TGrayCycle& cycle);
    bool hasSteps() const { return !m_steps.empty(); }

    // The step shown and its place, e.g. "Schritt 3 von 6". Only with steps.
    const TConstructionStep& step() const { return m_steps[m_shown]; }
    int stepIndex() const { return static_cast<int>(m_shown); }
    int stepCount() const { return static_cast<int>(m_steps.size()); }
    std::string counter() const;
    // What a screen reader is told when the step changes: the counter and the step's text.
    std::string announcement() const;
    // Whether the first character of every word is the prefix bit that this step put in front.
    bool showsPrefix() const;
    // The disk of the step's words drawn on canvas, as the window's disk is drawn, and the
    // outline of its marked sectors (one block) on that disk, width pixels wide; no outline
    // where nothing is marked.
    void paintStepDisk(TCanvas& canvas) const;
    std::optional<TSectorMark> markedSectors(std::int32_t width) const;

    // "Zurück" and "Weiter", Home and End; each stops playing. Nothing happens past either end.
    void back();
    void forward();
    void first();
    void last();
    // "Abspielen" and "Anhalten": plays from the step shown, or from Start when the last one is
    // shown; a tick shows the next step and stops on the last.
    void startOrStopPlaying();
    void tick();
    bool playing() const { return m_playing; }
    std::string playButtonText() const { return m_playing ? "Anhalten" : "Abspielen"; }

    // The view's keys: Left, Right, Home, End and Space do what the buttons do.
    enum class TKey { Left, Right, Home, End, Space };
    void press(TKey key);

private:
    void show(std::size_t step);

    std::vector<TConstructionStep> m_steps;
    std::size_t m_shown = 0;
    bool m_playing = false;
};
