#include "PlaybackClock.h"

#include <gtest/gtest.h>

using namespace lumeport;

namespace {

// (reported, now, playing) read in order -> the position given.
struct Read {
    double reported, now;
    bool playing;
    double given;
};

void expectReads(const std::vector<Read>& reads) {
    PlaybackClock clock;
    for (const Read& r : reads)
        EXPECT_NEAR(clock.read(r.reported, r.now, r.playing), r.given, 1e-9)
            << "reported " << r.reported << " at " << r.now;
}

TEST(PlaybackClock, MovesOnBetweenCoarseStepsAtThePaceOfTime) {
    expectReads({{1.00, 10.00, true, 1.00},
                 {1.00, 10.01, true, 1.01},
                 {1.00, 10.04, true, 1.04},
                 {1.05, 10.05, true, 1.05},
                 {1.05, 10.07, true, 1.07}});
}

TEST(PlaybackClock, RunsAheadOnlyALittleWhenTheStepsStop) {
    expectReads({{2.0, 0.0, true, 2.0}, {2.0, 0.2, true, 2.2}, {2.0, 5.0, true, 2.3}});
}

TEST(PlaybackClock, NeverGoesBackWhilePlayingButTakesAJump) {
    expectReads({{1.00, 0.00, true, 1.00},
                 {1.00, 0.08, true, 1.08},
                 {1.05, 0.09, true, 1.08}, // a step behind what was given: hold
                 {1.05, 0.13, true, 1.09},
                 {0.20, 0.14, true, 0.20}}); // far behind: a jump, taken at once
}

TEST(PlaybackClock, StandsStillWhilePaused) {
    expectReads({{3.0, 0.0, true, 3.0},
                 {3.0, 0.05, true, 3.05},
                 {3.02, 0.06, false, 3.02},
                 {3.02, 2.0, false, 3.02},
                 {3.02, 2.1, true, 3.02}});
}

} // namespace
