#include "FullTextMarks.h"

#include "Form1.h"
#include "ScrolledPanel.h"

namespace lumeport {

namespace {

bool isEndMarker(const Label* tile) {
    return tile && tile->caption().startsWith(u'#');
}

} // namespace

int UnderlineSentenceInFullText(Form1& form) {
    auto& tiles = form.AllWordTextLabel;
    auto& lines = form.AllWordLine;
    const int last = tiles.upperBound();
    for (int k = 1; k <= last; ++k)
        if (Line* line = lines[k]) line->setVisible(false);

    int stop = -1;
    int markers = 0;
    for (int t = 1; t <= last && stop < 0; ++t) {
        if (!isEndMarker(tiles[t]) || ++markers < form.state.CurrentSentence) continue;
        stop = 0;
        for (int k = t - 1; k >= 1; --k) {
            if (Line* line = lines[k]) line->setVisible(true);
            if (isEndMarker(tiles[k])) {
                stop = k;
                break;
            }
        }
    }
    form.state.FullTextCenterTile = stop;
    return stop;
}

void CenterSentenceInFullText(Form1& form) {
    const int tile = form.state.FullTextCenterTile;
    if (tile >= 0) CenterRow(ScrolledPanel::FullText(form), form.AllWordTextLabel[tile]);
    form.Combo3->setFocus();
}

} // namespace lumeport
