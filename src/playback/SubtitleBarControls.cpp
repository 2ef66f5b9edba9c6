#include "SubtitleBarControls.h"

#include "CheckImages.h"
#include "Form1.h"
#include "InterfaceSounds.h"
#include "SubtitleBar.h"
#include "TipBox.h"
#include "WordPopup.h"

namespace lumeport {

namespace {

const char* const EnglishTip =
    "设置是否始终显示或关闭英文字幕（当英文字幕设为关闭时点击右侧“英文”标签可以临时显示英文字幕）";
const char* const ChineseTip =
    "设置是否始终显示或关闭中文字幕（当中文字幕设为关闭时点击右侧“中文”标签可以临时显示中文字幕）";

const SentenceEntry* current(const Form1& form) {
    return form.state.Sentences.find(form.state.CurrentSentence);
}

} // namespace

SubtitleBarControls::SubtitleBarControls(Form1& form, SoundPlayer& sounds, WordPopup& popup)
    : form_(form)
    , popup_(popup) {
    ShowCheck(form, *form.Image21, form.state.ShowEnglishSubtitle);
    ShowCheck(form, *form.Image26, form.state.ShowChineseSubtitle);
    connect(form.Image21, &Control::clicked, this, &SubtitleBarControls::ToggleEnglish);
    connect(form.Image26, &Control::clicked, this, &SubtitleBarControls::ToggleChinese);
    MakePressable(*form.Label44, form, sounds, {}, [this] { RevealEnglish(); });
    MakePressable(*form.Label45, form, sounds, {}, [this] { RevealChinese(); });
    for (ControlArray<Label>* tiles : {&form.WriteWordLabel, &form.SenWordLabel})
        tiles->onCreate([this](Label& tile) {
            connect(&tile, &Control::clicked, this, [this, &tile] { ClickTile(tile); });
        });
    for (Control* bar :
         {static_cast<Control*>(form.Picture2), static_cast<Control*>(form.Picture22),
          static_cast<Control*>(form.Picture30)})
        connect(bar, &Control::clicked, this, [this] { form_.WordPicture->setVisible(false); });
    connect(form.Picture2, &Control::mouseMove, this, [this] { HideTip(form_); });
    connectTips();
}

void SubtitleBarControls::connectTips() {
    const double r = form_.state.ScaleRatio;
    const struct {
        Image* image;
        double fromBottom;
        const char* text;
    } tips[] = {{form_.Image21, 1040, EnglishTip}, {form_.Image26, 100, ChineseTip}};
    for (const auto& t : tips)
        connect(t.image, &Control::mouseMove, this, [this, t, r] {
            const PictureBox& media = *form_.Picture12;
            ShowTip(form_, media.top() + media.height() - t.fromBottom * r, form_.Image21->left(),
                    QString::fromUtf8(t.text));
        });
}

void SubtitleBarControls::ToggleEnglish() {
    FormState& s = form_.state;
    s.ShowEnglishSubtitle = !s.ShowEnglishSubtitle;
    ShowCheck(form_, *form_.Image21, s.ShowEnglishSubtitle);
    const SentenceEntry* sentence = current(form_);
    form_.Label6->setCaption(s.ShowEnglishSubtitle && sentence ? sentence->EnglishText
                                                               : EnglishOff);
    form_.Picture30->setVisible(s.ShowEnglishSubtitle);
    ts(form_);
}

void SubtitleBarControls::ToggleChinese() {
    FormState& s = form_.state;
    s.ShowChineseSubtitle = !s.ShowChineseSubtitle;
    ShowCheck(form_, *form_.Image26, s.ShowChineseSubtitle);
    const SentenceEntry* sentence = current(form_);
    form_.Label7->setCaption(s.ShowChineseSubtitle && sentence ? sentence->ChineseText
                                                               : ChineseOff);
    ts(form_);
}

void SubtitleBarControls::RevealEnglish() {
    const SentenceEntry* sentence = current(form_);
    const bool hide = form_.Label6->caption() != EnglishOff;
    form_.Label6->setCaption(hide || !sentence ? EnglishOff : sentence->EnglishText);
    form_.Picture30->setVisible(!hide);
    ts(form_);
}

void SubtitleBarControls::RevealChinese() {
    const SentenceEntry* sentence = current(form_);
    const bool hide = form_.Label7->caption() != ChineseOff;
    form_.Label7->setCaption(hide || !sentence ? ChineseOff : sentence->ChineseText);
}

void SubtitleBarControls::ClickTile(const Label& tile) {
    if (tile.pointer() != Pointer::Hand) return; // spaces and punctuation do nothing
    form_.state.ClickedWord = tile.caption();
    popup_.ShowForClickedWord();
}

} // namespace lumeport
