#pragma once
// Keeps the current sentence in step with the lesson player: the continuous tracker (Timer2)
// follows playback through the lesson; the sentence tracker (Timer1) pauses playback at the
// end of the current sentence. Every change of sentence runs the one display routine.

#include <QObject>

namespace lumeport {

class Form1;
class MediaPlayer;

class SentenceTracker : public QObject {
    Q_OBJECT
public:
    SentenceTracker(Form1& form, MediaPlayer& lessonPlayer);

    // Moves to the next sentence when there is one and redraws every sentence display.
    void AdvanceSentence();

    // One period of each tracker, as its timer runs it.
    void ContinuousTick();
    void SentenceTick();

    // The timers' own handlers. When both timers are on, the sentence tick runs first in
    // every period: at a sentence end playback then rests there with the next sentence shown,
    // and the continuous tracker carries on from the learner's next play.
    void OnTimer1();
    void OnTimer2();

private:
    Form1& form_;
    MediaPlayer& player_;
};

} // namespace lumeport
