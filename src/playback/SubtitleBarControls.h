#pragma once
// What the learner does with the subtitle bar: switch a line on or off for good with its check
// image, show or hide it for the moment with its label, and click a word to look it up.

#include <QObject>

namespace lumeport {

class Form1;
class Image;
class Label;
class SoundPlayer;
class WordPopup;

class SubtitleBarControls : public QObject {
    Q_OBJECT
public:
    SubtitleBarControls(Form1& form, SoundPlayer& sounds, WordPopup& popup);

    void ToggleEnglish(); // Image21
    void ToggleChinese(); // Image26
    void RevealEnglish(); // Label44 released
    void RevealChinese(); // Label45 released
    // A click on a word tile of the subtitle bar or the sentence card.
    void ClickTile(const Label& tile);

private:
    void connectTips();

    Form1& form_;
    WordPopup& popup_;
};

} // namespace lumeport
