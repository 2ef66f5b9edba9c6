#include "SubtitleBar.h"

#include "Form1.h"
#include "LessonScript.h"

namespace lumeport {

namespace {

// Places `tile` after `previous`; a word that passes `limit` starts a new line at `first`'s
// left. Tiles ending in a space or punctuation stay on their line.
void placeAfter(Label& tile, const Label& previous, const Label& first, double limit) {
    tile.setLeft(previous.left() + previous.width());
    tile.setTop(previous.top());
    const QString& text = tile.caption();
    if (tile.left() + tile.width() > limit && !text.isEmpty() && IsAsciiLetter(text.back())) {
        tile.setTop(previous.top() + previous.height());
        tile.setLeft(first.left());
    }
}

Label& makeTile(ControlArray<Label>& tiles, int n, const QString& caption) {
    Label& tile = *tiles.Load(n);
    tile.setCaption(caption);
    const bool word = !caption.isEmpty() && IsAsciiLetter(caption.front());
    tile.setPointer(word ? Pointer::Hand : Pointer::Arrow);
    return tile;
}

// A tile kept from the sentence before is already shown in front of its panel.
void showInFront(Label& tile) {
    if (tile.visible()) return;
    tile.setVisible(true);
    tile.bringToFront();
}

} // namespace

bool IsAsciiLetter(QChar c) {
    const char16_t lower = c.toLower().unicode();
    return lower >= u'a' && lower <= u'z';
}

void ts(Form1& form) {
    const double r = form.state.ScaleRatio;
    Label& english = *form.Label6;
    english.setAutoSize(true);
    const double usable = form.Picture2->width() - english.left() - 60 * r;
    double a = 70, b = 45;
    if (usable < english.width()) {
        english.setAutoSize(false);
        english.setWordWrap(true);
        english.setGeometry(english.left(), english.top(), usable, 615 * r);
        form.Picture30->setHeight(english.height());
        form.Picture30->setWidth(english.width());
        a = 45;
        b = 140;
    } else {
        english.setWordWrap(false);
    }
    english.setTop(form.Image21->top() - b * r);
    form.Picture30->setTop(english.top());
    form.Picture22->setTop(english.top() + english.height() + a * r);
}

void BuildWordTiles(Form1& form) {
    const double r = form.state.ScaleRatio;
    auto& card = form.SenWordLabel;
    auto& subtitle = form.WriteWordLabel;
    const SentenceEntry* sentence = form.state.Sentences.find(form.state.CurrentSentence);
    const QStringList tokens = sentence ? WordTokens(sentence->EnglishField) : QStringList();
    // The previous sentence's tiles go; those this sentence needs as well are taken over
    // rather than made again, which keeps a sentence change cheap.
    card.UnloadFrom(tokens.size() + 1);
    subtitle.UnloadFrom(tokens.size() + 1);
    for (int n = 1; n <= tokens.size(); ++n) {
        Label& c = makeTile(card, n, tokens[n - 1]);
        placeAfter(c, *card[n - 1], *card[1], form.Picture29->width() - 300 * r);
        showInFront(c);
        Label& s = makeTile(subtitle, n, c.caption());
        s.setGeometry(s.left(), s.top(), c.width(), c.height());
        placeAfter(s, *subtitle[n - 1], *subtitle[1], form.Picture30->width());
        showInFront(s);
    }
    if (!tokens.isEmpty()) LayOutCardRows(form);
}

void LayOutCardRows(Form1& form) {
    const double r = form.state.ScaleRatio;
    const Label* last = form.SenWordLabel[form.SenWordLabel.upperBound()];
    PictureBox& panel = *form.Picture29;
    if (last) panel.setHeight(last->top() + last->height() + 60 * r);
    const double chineseTop = panel.top() + panel.height() + 150 * r;
    for (Control* c : {static_cast<Control*>(form.Label56), static_cast<Control*>(form.Label54),
                       static_cast<Control*>(form.Image32)})
        c->setTop(chineseTop);
    const double noteTop = chineseTop + form.Label56->height() + 110 * r;
    for (Control* c : {static_cast<Control*>(form.Picture26), static_cast<Control*>(form.Text11),
                       static_cast<Control*>(form.Label55), static_cast<Control*>(form.Image33)})
        c->setTop(noteTop);
    ApplyCardShowChinese(form);
}

void ApplyCardShowChinese(Form1& form) {
    FormState& s = form.state;
    const SentenceEntry* sentence = s.Sentences.find(s.CurrentSentence);
    s.CardNoteShown = s.CardShowChinese;
    form.Label56->setCaption(s.CardShowChinese ? (sentence ? sentence->ChineseText : QString())
                                               : ChineseOff);
    PlaceCardNoteRow(form, s.CardShowChinese);
    form.Label55->setVisible(s.CardShowChinese);
    form.Image33->setVisible(s.CardShowChinese);
}

void PlaceCardNoteRow(Form1& form, bool inPlace) {
    const double r = form.state.ScaleRatio;
    form.Picture26->setTop(inPlace ? form.Label55->top() : form.height() + 60 * r);
    form.Text11->setTop(form.Picture26->top());
}

} // namespace lumeport
