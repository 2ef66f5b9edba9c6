#pragma once
// Looking up the word a learner clicked, and the popup that shows what the dictionary says.

#include <QObject>

namespace lumeport {

class Form1;

class WordPopup : public QObject {
    Q_OBJECT
public:
    explicit WordPopup(Form1& form);

    // Looks ClickedWord up and opens the popup beside the mouse, with the word's recording.
    void ShowForClickedWord();

    void LookUpWord();

private:
    Form1& form_;
};

} // namespace lumeport
