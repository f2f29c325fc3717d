// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/constructionPlayer.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/cycleOf.h"

namespace {

// The view's buttons and keys over the six steps of n = 10, one action after another.
TEST(ConstructionPlayer, ButtonsKeysAndTicksWalkTheSteps) {
    TConstructionPlayer player;
    player.setCycle(cycleOf(10));
    using TKey = TConstructionPlayer::TKey;
    const struct {
        std::function<void()> action;
        int step;
        bool playing;
    } script[] = {
        {[&] { player.back(); }, 0, false},  // nothing before Start
        {[&] { player.press(TKey::Right); }, 1, false},
        {[&] { player.press(TKey::End); }, 5, false},
        {[&] { player.forward(); }, 5, false},          // nothing after Close
        {[&] { player.press(TKey::Space); }, 0, true},  // playing from the last restarts
        {[&] { player.tick(); }, 1, true},
        {[&] { player.press(TKey::Left); }, 0, false},  // a step by hand stops playing
        {[&] { player.startOrStopPlaying(); }, 0, true},
        {[&] {
             for (int i = 0; i < 4; ++i) player.tick();
         },
         4, true},
        {[&] { player.tick(); }, 5, false},  // stops on Close
        {[&] { player.press(TKey::Home); }, 0, false},
        {[&] {
             player.press(TKey::Space);
             player.setCycle(cycleOf(64));
         },
         0, false},  // OK restarts
    };
    for (std::size_t i = 0; i < std::size(script); ++i) {
        script[i].action();
        EXPECT_EQ(player.stepIndex(), script[i].step) << i;
        EXPECT_EQ(player.playing(), script[i].playing) << i;
    }
    EXPECT_EQ(player.counter(), "Schritt 1 von 8");
    EXPECT_EQ(player.playButtonText(), "Abspielen");
    player.forward();
    EXPECT_TRUE(player.showsPrefix());
    EXPECT_EQ(player.announcement().substr(0, 44), "Schritt 2 von 8: Spiegeln und voranstellen: ");
}

}  // namespace
