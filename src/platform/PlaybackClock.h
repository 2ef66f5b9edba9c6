#pragma once
// A player reports its position in coarse steps (a video frame, an audio buffer: 40 to 200
// milliseconds), while the sentence tracker reads it every 10 ms to stop within a few
// milliseconds of a sentence's end. While playing, the clock moves on from the last reported
// step at the pace of real time, a little way at most, and never back.

#include <optional>

namespace lumeport {

class PlaybackClock {
public:
    // How far past the last reported step the clock may run when no new one comes.
    static constexpr double MaxAhead = 0.3;

    // The position to give now: `reported` is the player's own position, `now` any steady
    // clock in seconds.
    double read(double reported, double now, bool playing);
    // Forgets the steps seen, after a seek or a new file.
    void reset();

private:
    std::optional<double> lastReported_;
    double anchorPosition_ = 0;
    double anchorTime_ = 0;
    std::optional<double> lastGiven_;
};

} // namespace lumeport
