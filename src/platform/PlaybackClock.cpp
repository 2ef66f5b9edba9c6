#include "PlaybackClock.h"

#include <algorithm>

namespace lumeport {

double PlaybackClock::read(double reported, double now, bool playing) {
    if (!playing) {
        reset();
        return reported;
    }
    if (reported != lastReported_) {
        lastReported_ = reported;
        anchorPosition_ = reported;
        anchorTime_ = now;
    }
    double position = anchorPosition_ + std::clamp(now - anchorTime_, 0.0, MaxAhead);
    // A step that lands a little behind what was already given holds the clock still until
    // playback catches up; a large one is a jump and is taken as it is.
    if (lastGiven_ && position < *lastGiven_ && *lastGiven_ - position <= MaxAhead)
        position = *lastGiven_;
    lastGiven_ = position;
    return position;
}

void PlaybackClock::reset() {
    lastReported_.reset();
    lastGiven_.reset();
}

} // namespace lumeport
