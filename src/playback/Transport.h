#pragma once
// The transport of the bottom bar: play, pause, stop and back to the first sentence, repeat,
// previous and next sentence, the click on the video, the progress bar, the volume slider and
// the elapsed time; and the window's keys that reach the same actions.

#include <QObject>

namespace lumeport {

class CommandButton;
class Form1;
class MediaPlayer;
class SentenceTracker;

// After an action the keyboard focus goes back to the view the learner works in.
enum class Refocus {
    Plain,
    ClearingDictation, // next and previous sentence empty the dictation answer box first
    AfterRepeat,       // the notes editor keeps its caret after a repeat
};
void RefocusView(Form1& form, Refocus how = Refocus::Plain);

class Transport : public QObject {
    Q_OBJECT
public:
    Transport(Form1& form, MediaPlayer& lessonPlayer, SentenceTracker& tracker);

    void Play();
    void Pause();
    void Stop();
    void Repeat();
    void NextSentence();
    void PreviousSentence();
    void ClickVideo();

    void PressProgressThumb(double x, double y);
    void MoveProgressThumb(Qt::MouseButtons buttons, double x);
    void ReleaseProgressThumb();
    void PressVolumeThumb(double x, double y);
    void MoveVolumeThumb(Qt::MouseButtons buttons, double x);

    // Timer3, every second.
    void ShowElapsedTime();
    // The window's keys, seen before the focused control.
    void KeyDown(int key);

private:
    void connectButtons();
    void connectTips();
    void showButtonTip(const CommandButton* button, const char* text, double leftOffset);
    void centerCurrentSentence();

    Form1& form_;
    MediaPlayer& player_;
    SentenceTracker& tracker_;
};

} // namespace lumeport
