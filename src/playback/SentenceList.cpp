#include "SentenceList.h"

#include "Form1.h"
#include "FullTextMarks.h"
#include "MediaPlayer.h"
#include "ScrollControls.h"
#include "SentenceDisplay.h"
#include "SentenceTracker.h"
#include "TransportState.h"

#include <cmath>

namespace lumeport {

SentenceList::SentenceList(Form1& form, MediaPlayer& lessonPlayer, SentenceTracker& tracker)
    : form_(form)
    , player_(lessonPlayer)
    , tracker_(tracker)
    , scrolling_(std::make_unique<ScrollControls>(
          form, [&form] { return ScrolledPanel::SentenceList(form); }, form.Combo1,
          [&form] { form.Combo1->setFocus(); })) {
    form.Label5.onCreate([this](Label& row) {
        connect(&row, &Control::clicked, this, [this, &row] { JumpToRow(indexOf(row)); });
    });
}

SentenceList::~SentenceList() = default;

void SentenceList::BuildRows() {
    form_.Label5.UnloadAll();
    const int count = form_.state.Sentences.SentenceCount();
    for (int i = 1; i <= count; ++i)
        addRow(i);
    fitContent();
}

void SentenceList::addRow(int i) {
    auto& rows = form_.Label5;
    Label& row = *rows.Load(i);
    const Label& above = *rows[i - 1];
    row.setAutoSize(true);
    row.setCaption(form_.state.Sentences[i].EnglishText);
    row.setAutoSize(false); // one line, cut off at the column's right edge
    row.setGeometry(row.left(), above.top() + above.height(), form_.Picture1->width(),
                    row.height());
    row.setVisible(true);
    row.bringToFront();
}

// The content as tall as its rows, or as the column when they are fewer; the scroll bar only
// when the rows do not fit.
void SentenceList::fitContent() {
    const ScrolledPanel p = ScrolledPanel::SentenceList(form_);
    const Label* last = form_.Label5[form_.Label5.upperBound()];
    const double column = form_.Picture1->height() - p.content->top();
    const double rows = last && form_.Label5.upperBound() > 0 ? last->top() + last->height() : 0;
    const bool fits = column >= std::max(rows, 0.0);
    p.content->setHeight(std::max(rows, column));
    for (Control* c : {static_cast<Control*>(p.up), static_cast<Control*>(p.down),
                       static_cast<Control*>(form_.Image13), static_cast<Control*>(p.thumb)})
        c->setVisible(!fits);
    p.content->setWidth(fits ? p.viewport->width() : 3760 * form_.state.ScaleRatio);
}

// Rows are taken over from lesson to lesson, so a row finds its index when it is clicked.
int SentenceList::indexOf(const Label& row) const {
    for (int i = 1; i <= form_.Label5.upperBound(); ++i)
        if (form_.Label5[i] == &row) return i;
    return 0;
}

void SentenceList::JumpToRow(int i) {
    FormState& s = form_.state;
    if (!s.Sentences.contains(i)) return;
    form_.Timer2->start();
    s.CurrentSentence = i;
    SelectSentence(form_);
    ShowCurrentSentence(form_);
    if (std::isfinite(s.SentenceStartSeconds)) player_.SetPosition(s.SentenceStartSeconds);
    player_.Play();
    SetButtonState(form_, ButtonState::Playing);
    UpdateProgressBar(form_, player_.Position());
    UnderlineSentenceInFullText(form_);
    CenterRow(ScrolledPanel::Translation(form_), form_.Label8[i]);
    CenterSentenceInFullText(form_);
    form_.Combo1->setFocus();
}

} // namespace lumeport
