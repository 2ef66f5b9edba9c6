#include "Transport.h"

#include "Form1.h"
#include "FullTextMarks.h"
#include "LessonLabels.h"
#include "MediaPlayer.h"
#include "ScrolledPanel.h"
#include "SentenceDisplay.h"
#include "SentenceTracker.h"
#include "SubtitleBar.h"
#include "TipBox.h"
#include "TransportState.h"
#include "ViewFocus.h"

#include <cmath>

namespace lumeport {

namespace {
constexpr int DictationView = 3;
constexpr int NotesView = 4;
} // namespace

void RefocusView(Form1& form, Refocus how) {
    const int view = form.state.ViewMode;
    if (view == NotesView && how == Refocus::AfterRepeat) return;
    if (view == DictationView && how == Refocus::ClearingDictation) form.Text1->setText({});
    FocusViewKeyReceiver(form);
}

Transport::Transport(Form1& form, MediaPlayer& lessonPlayer, SentenceTracker& tracker)
    : form_(form)
    , player_(lessonPlayer)
    , tracker_(tracker) {
    connectButtons();
    connectTips();
    connect(form.Timer3, &QTimer::timeout, this, &Transport::ShowElapsedTime);
}

void Transport::connectButtons() {
    Form1& f = form_;
    connect(f.Command1, &Control::clicked, this, &Transport::Play);
    connect(f.Command2, &Control::clicked, this, &Transport::Pause);
    connect(f.Command3, &Control::clicked, this, &Transport::Stop);
    connect(f.Command10, &Control::clicked, this, &Transport::Repeat);
    connect(f.Command18, &Control::clicked, this, &Transport::NextSentence);
    connect(f.Command19, &Control::clicked, this, &Transport::PreviousSentence);
    connect(f.WindowsMediaPlayer1, &Control::clicked, this, &Transport::ClickVideo);
    connect(f.WindowsMediaPlayer1, &Control::mouseMove, this, [this] { HideTip(form_); });
    connect(f.Picture5, &Control::mouseDown, this,
            [this](Qt::MouseButton, double x, double y) { PressProgressThumb(x, y); });
    connect(f.Picture5, &Control::mouseMove, this,
            [this](Qt::MouseButtons b, double x, double) { MoveProgressThumb(b, x); });
    connect(f.Picture5, &Control::mouseUp, this, &Transport::ReleaseProgressThumb);
    connect(f.Image12, &Control::mouseDown, this,
            [this](Qt::MouseButton, double x, double y) { PressVolumeThumb(x, y); });
    connect(f.Image12, &Control::mouseMove, this,
            [this](Qt::MouseButtons b, double x, double) { MoveVolumeThumb(b, x); });
}

void Transport::connectTips() {
    const struct {
        CommandButton* button;
        const char* text;
        double leftOffset;
    } tips[] = {
        {form_.Command1, "播放", 60},
        {form_.Command2, "暂停", 60},
        {form_.Command3, "停止播放并回到首句", -400},
        {form_.Command10, "复读当前句子", -300},
        {form_.Command19, "上一句", -100},
        {form_.Command18, "下一句", -100},
    };
    for (const auto& t : tips)
        connect(t.button, &Control::mouseMove, this,
                [this, t] { showButtonTip(t.button, t.text, t.leftOffset); });
}

void Transport::showButtonTip(const CommandButton* button, const char* text, double leftOffset) {
    const double r = form_.state.ScaleRatio;
    ShowTip(form_, button->top() - 270 * r, button->left() + leftOffset * r,
            QString::fromUtf8(text));
}

void Transport::Play() {
    form_.Timer2->start();
    player_.Play();
    SetButtonState(form_, ButtonState::Playing);
    RefocusView(form_);
}

void Transport::Pause() {
    form_.Timer2->stop();
    player_.Pause();
    SetButtonState(form_, ButtonState::Paused);
    form_.Timer1->stop();
    RefocusView(form_);
}

void Transport::Stop() {
    FormState& s = form_.state;
    const double r = s.ScaleRatio;
    form_.Timer2->stop();
    s.CurrentSentence = 0;
    tracker_.AdvanceSentence();
    player_.Pause();
    if (std::isfinite(s.SentenceStartSeconds)) player_.SetPosition(s.SentenceStartSeconds);
    SetButtonState(form_, ButtonState::Stopped);
    player_.Play(); // and at once pause, so that the first sentence's frame shows
    player_.Pause();
    ScrolledPanel::SentenceList(form_).setContentTop(0);
    form_.Image14->setTop(255 * r);
    form_.Timer1->stop();
    form_.Picture14->setTop(0);
    form_.Image17->setTop(255 * r);
    RefocusView(form_);
    UnderlineSentenceInFullText(form_);
}

void Transport::Repeat() {
    const FormState& s = form_.state;
    form_.Timer1->start();
    form_.Timer2->stop();
    if (std::isfinite(s.SentenceStartSeconds)) player_.SetPosition(s.SentenceStartSeconds);
    player_.Play();
    SetButtonState(form_, ButtonState::Playing);
    RefocusView(form_, Refocus::AfterRepeat);
}

void Transport::centerCurrentSentence() {
    const int i = form_.state.CurrentSentence;
    CenterRow(ScrolledPanel::SentenceList(form_), form_.Label5[i]);
    CenterRow(ScrolledPanel::Translation(form_), form_.Label8[i]);
    CenterSentenceInFullText(form_);
}

void Transport::NextSentence() {
    FormState& s = form_.state;
    if (s.CurrentSentence < s.Sentences.SentenceCount()) {
        tracker_.AdvanceSentence();
        Repeat();
        centerCurrentSentence();
    }
    RefocusView(form_, Refocus::ClearingDictation);
}

// Goes back one sentence (at sentence 1 it stays) and replays it; the word popup stays as it
// was.
void Transport::PreviousSentence() {
    FormState& s = form_.state;
    if (s.CurrentSentence > 1) {
        --s.CurrentSentence;
        SelectSentence(form_);
    }
    ShowCurrentSentence(form_);
    KeepRowInView(ScrolledPanel::SentenceList(form_), form_.Label5[s.CurrentSentence]);
    KeepRowInView(ScrolledPanel::Translation(form_), form_.Label14[s.CurrentSentence]);
    Repeat();
    UnderlineSentenceInFullText(form_);
    centerCurrentSentence();
    RefocusView(form_, Refocus::ClearingDictation);
}

void Transport::ClickVideo() {
    const FormState& s = form_.state;
    if (player_.Position() - s.LessonStart < s.LessonLength) {
        if (form_.Command1->enabled())
            Play();
        else
            Pause();
        form_.Combo1->setFocus();
    }
    form_.WordPicture->setVisible(false);
}

void Transport::PressProgressThumb(double x, double y) {
    form_.state.DragAnchorX = x;
    form_.state.DragAnchorY = y;
}

void Transport::MoveProgressThumb(Qt::MouseButtons buttons, double x) {
    const double r = form_.state.ScaleRatio;
    PictureBox& thumb = *form_.Picture5;
    PictureBox& bar = *form_.Picture4;
    if (buttons & Qt::LeftButton) thumb.setLeft(thumb.left() - form_.state.DragAnchorX + x);
    if (thumb.left() < bar.left()) thumb.setLeft(bar.left());
    if (form_.width() - thumb.left() < 850 * r) thumb.setLeft(form_.width() - 850 * r);
    bar.setWidth(thumb.left() - bar.left());
}

void Transport::ReleaseProgressThumb() {
    const FormState& s = form_.state;
    form_.state.CurrentSentence = 0;
    tracker_.AdvanceSentence();
    const double full = form_.width() - 1400 * s.ScaleRatio;
    const double target = s.LessonStart + form_.Picture4->width() * s.LessonLength / full;
    if (std::isfinite(target)) player_.SetPosition(target);
}

void Transport::PressVolumeThumb(double x, double y) {
    PressProgressThumb(x, y);
}

void Transport::MoveVolumeThumb(Qt::MouseButtons buttons, double x) {
    FormState& s = form_.state;
    Image& thumb = *form_.Image12;
    const double travel = form_.Picture8->width() - thumb.width();
    if (buttons & Qt::LeftButton) {
        thumb.setLeft(std::clamp(thumb.left() - s.DragAnchorX + x, 0.0, std::max(travel, 0.0)));
        form_.Picture9->setWidth(thumb.left());
    }
    if (travel > 0) {
        s.VolumePercent = static_cast<int>(std::floor(thumb.left() / travel * 100));
        player_.SetVolume(s.VolumePercent);
    }
    ShowTip(form_, form_.Picture8->top() - 350 * s.ScaleRatio,
            form_.Picture8->left() + 360 * s.ScaleRatio, QStringLiteral("音量"));
}

void Transport::ShowElapsedTime() {
    form_.Label12->setCaption(MinutesSecondsText(player_.Position() - form_.state.LessonStart));
}

void Transport::KeyDown(int key) {
    FormState& s = form_.state;
    const SentenceEntry* sentence = s.Sentences.find(s.CurrentSentence);
    switch (key) {
    case Qt::Key_Up:
        if (s.ViewMode == DictationView) PreviousSentence();
        break;
    case Qt::Key_Down:
        if (s.ViewMode == DictationView) NextSentence();
        break;
    case Qt::Key_F1:
        form_.Text10->setVisible(true);
        form_.Text10->setFocus();
        form_.Text10->selectAll();
        break;
    case Qt::Key_F7:
        Repeat();
        break;
    case Qt::Key_F8:
        form_.Label16->setCaption(form_.Label16->caption() != s.MaskedSentence || !sentence
                                      ? s.MaskedSentence
                                      : sentence->EnglishText);
        break;
    case Qt::Key_F9:
        form_.Label17->setCaption(form_.Label17->caption() == ChineseOff && sentence
                                      ? sentence->ChineseText
                                      : ChineseOff);
        break;
    default:
        break;
    }
}

} // namespace lumeport
