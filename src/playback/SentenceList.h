#pragma once
// The play view's list of the lesson's sentences: one row per sentence, the current one
// highlighted; a click on a row plays the lesson on from that sentence.

#include <QObject>
#include <memory>

namespace lumeport {

class Form1;
class Label;
class MediaPlayer;
class ScrollControls;
class SentenceTracker;

class SentenceList : public QObject {
    Q_OBJECT
public:
    SentenceList(Form1& form, MediaPlayer& lessonPlayer, SentenceTracker& tracker);
    ~SentenceList() override;

    // The rows of the loaded lesson, replacing the previous lesson's.
    void BuildRows();
    // Jumps to sentence i and plays on from it.
    void JumpToRow(int i);

private:
    void addRow(int i);
    int indexOf(const Label& row) const;
    void fitContent();

    Form1& form_;
    MediaPlayer& player_;
    SentenceTracker& tracker_;
    std::unique_ptr<ScrollControls> scrolling_;
};

} // namespace lumeport
