#include "SentenceTracker.h"

#include "Form1.h"
#include "FullTextMarks.h"
#include "MediaPlayer.h"
#include "ScrolledPanel.h"
#include "SentenceDisplay.h"
#include "TransportState.h"

namespace lumeport {

SentenceTracker::SentenceTracker(Form1& form, MediaPlayer& lessonPlayer)
    : form_(form)
    , player_(lessonPlayer) {
    connect(form.Timer1, &QTimer::timeout, this, &SentenceTracker::OnTimer1);
    connect(form.Timer2, &QTimer::timeout, this, &SentenceTracker::OnTimer2);
}

void SentenceTracker::AdvanceSentence() {
    FormState& s = form_.state;
    if (s.CurrentSentence < s.Sentences.SentenceCount()) {
        ++s.CurrentSentence;
        SelectSentence(form_);
    }
    ShowCurrentSentence(form_);
    KeepRowInView(ScrolledPanel::SentenceList(form_), form_.Label5[s.CurrentSentence]);
    KeepRowInView(ScrolledPanel::Translation(form_), form_.Label14[s.CurrentSentence]);
    UnderlineSentenceInFullText(form_);
    form_.WordPicture->setVisible(false);
}

void SentenceTracker::ContinuousTick() {
    const FormState& s = form_.state;
    if (player_.Position() - s.LessonStart > s.LessonLength) {
        form_.Timer2->stop();
        player_.Pause();
        SetButtonState(form_, ButtonState::LessonEnded);
    }
    UpdateProgressBar(form_, player_.Position());
    if (player_.Position() > s.SentenceEndSeconds) AdvanceSentence();
}

void SentenceTracker::SentenceTick() {
    const FormState& s = form_.state;
    if (player_.Position() > s.SentenceEndSeconds) {
        player_.Pause();
        form_.Timer1->stop();
        const bool last = s.CurrentSentence == s.Sentences.SentenceCount();
        SetButtonState(form_, last ? ButtonState::LastSentenceDone : ButtonState::Paused);
    }
    UpdateProgressBar(form_, player_.Position());
}

void SentenceTracker::OnTimer1() {
    if (!form_.Timer2->isActive()) SentenceTick(); // otherwise Timer2's period runs it first
}

void SentenceTracker::OnTimer2() {
    if (form_.Timer1->isActive()) SentenceTick();
    ContinuousTick();
}

} // namespace lumeport
