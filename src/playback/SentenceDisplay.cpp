#include "SentenceDisplay.h"

#include "Form1.h"
#include "SentenceTable.h"
#include "SubtitleBar.h"

#include <cmath>
#include <limits>

namespace lumeport {

namespace {

const QColor RowText(0xFF, 0xFF, 0xFF);
const QColor CurrentRowText(0xA4, 0xEB, 0x0C);
const QColor CurrentRowBack(0x36, 0x6A, 0xB3);

double seconds(const QString& text) {
    return SecondsFromTimeText(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

void highlightRow(Form1& form, int current) {
    for (int k = 1; k <= form.Label5.upperBound(); ++k)
        if (Label* row = form.Label5[k]) {
            row->setForeColor(k == current ? CurrentRowText : RowText);
            row->setBackColor(CurrentRowBack);
            row->setTransparent(k != current);
        }
    for (int k = 1; k <= form.Line1.upperBound(); ++k)
        if (Line* line = form.Line1[k]) line->setVisible(k == current);
}

// Each field ends at the next "#"; a time whose "#" is missing keeps the value it had. A
// missing note is empty: keeping the previous sentence's note would show it here and save it
// into this sentence's record when the note box is left.
void takeTimesAndNote(FormState& s, const QString& record) {
    qsizetype marks[5];
    qsizetype from = 0;
    for (qsizetype& mark : marks) {
        mark = record.indexOf(u'#', from);
        from = mark + 1; // a missing mark starts the next search at the beginning again
    }
    auto between = [&](int a, int b, QString& field) {
        if (marks[a] >= 0 && marks[b] >= 0)
            field = record.mid(marks[a] + 1, marks[b] - marks[a] - 1);
    };
    between(1, 2, s.SentenceStart);
    between(2, 3, s.SentenceEnd);
    s.SentenceNote.clear();
    between(3, 4, s.SentenceNote);
    s.SentenceStartSeconds = seconds(s.SentenceStart);
    s.SentenceEndSeconds = seconds(s.SentenceEnd);
}

QString maskOf(const QString& english) {
    QString mask = english;
    for (QChar& c : mask)
        if (IsAsciiLetter(c)) c = u'_';
    return mask;
}

// Whole twips, rounded half to even, as the integer division of the layout takes them.
long long wholeTwips(double twips) {
    return std::llrint(twips);
}

} // namespace

void SelectSentence(Form1& form) {
    FormState& s = form.state;
    highlightRow(form, s.CurrentSentence);
    const SentenceEntry* sentence = s.Sentences.find(s.CurrentSentence);
    if (!sentence) return;
    takeTimesAndNote(s, sentence->Record);
    form.Text11->setText(s.SentenceNote);
    form.Picture26->setVisible(form.Text11->text().isEmpty());
}

void ShowCurrentSentence(Form1& form) {
    FormState& s = form.state;
    const SentenceEntry* sentence = s.Sentences.find(s.CurrentSentence);
    const QString english = sentence ? sentence->EnglishText : QString();
    const QString chinese = sentence ? sentence->ChineseText : QString();

    form.Label6->setCaption(s.ShowEnglishSubtitle ? english : EnglishOff);
    form.Picture30->setVisible(s.ShowEnglishSubtitle);
    form.Label7->setCaption(s.ShowChineseSubtitle ? chinese : ChineseOff);
    ts(form);

    RefreshDictation(form);
    RefreshSentenceCard(form);
}

void RefreshDictation(Form1& form) {
    FormState& s = form.state;
    const double r = s.ScaleRatio;
    const SentenceEntry* sentence = s.Sentences.find(s.CurrentSentence);
    const QString english = sentence ? sentence->EnglishText : QString();
    Label& line = *form.Label16;
    line.setCaption(QString());
    s.MaskedSentence = maskOf(english);
    line.setCaption(s.DictationShowEnglish ? english : s.MaskedSentence);

    line.setWordWrap(false);
    line.setAutoSize(true);
    s.DictationLineWidth = form.Picture18->width() - 1500 * r;
    const double natural = line.width();
    if (natural > s.DictationLineWidth && s.DictationLineWidth > 0) {
        const long long lines =
            wholeTwips(natural + 45 * r) / std::max(wholeTwips(s.DictationLineWidth), 1LL);
        line.setAutoSize(false);
        line.setWordWrap(true);
        line.setGeometry(line.left(), line.top(), s.DictationLineWidth, (lines + 1) * 315 * r);
    }
    form.Label17->setCaption(s.DictationShowChinese && sentence ? sentence->ChineseText
                                                                : ChineseOff);

    Label& chinese = *form.Label17;
    chinese.setTop(line.top() + line.height() + 240 * r);
    form.Label22->setTop(chinese.top());
    form.Image19->setTop(chinese.top());
    form.Text1->setTop(chinese.top() + chinese.height() + 60 * r);
    form.Label23->setTop(form.Text1->top() + 75 * r);
    form.Label24->setTop(form.Label23->top() - 60 * r);
}

void RefreshSentenceCard(Form1& form) {
    FormState& s = form.state;
    const SentenceEntry* sentence = s.Sentences.find(s.CurrentSentence);
    form.Label52->setCaption(s.CardShowEnglish && sentence ? sentence->EnglishText
                                                           : s.MaskedSentence);
    form.Picture29->setVisible(s.CardShowEnglish);
    BuildWordTiles(form);
    ApplyCardShowChinese(form);
    PlaceCardNoteRow(form, s.CardNoteShown);
}

} // namespace lumeport
