#pragma once
// The program's state while it runs. It lives in the window that owns it, as the controls do;
// nothing here outlives a run but what start-up and shut-down store in the state files.

#include "LessonChoice.h"
#include "SentenceTable.h"

#include <QString>
#include <limits>

namespace lumeport {

struct FormState {
    QString ProgramDir;
    // 1440 / dpi / 15, set once at start: computed in double, stored rounded to single
    // precision, and used in double arithmetic with the twips.
    double ScaleRatio = 1;
    QString DictionaryText;
    int RunCount = 0;

    LessonIdentity Lesson;
    QString ScriptText;
    SentenceTable Sentences;

    // Lesson-wide values of the loaded lesson, in seconds. A time that does not read as a
    // number is NaN, which never compares as passed.
    double LessonStart = 0;
    double LessonLength = std::numeric_limits<double>::quiet_NaN();
    double RowWrapWidth = 0;

    // The current sentence: its index and its record's times and note, cut out of the record
    // whenever a sentence becomes current.
    int CurrentSentence = 0;
    QString SentenceStart, SentenceEnd, SentenceNote;
    double SentenceStartSeconds = std::numeric_limits<double>::quiet_NaN();
    double SentenceEndSeconds = std::numeric_limits<double>::quiet_NaN();
    QString MaskedSentence;
    int FullTextCenterTile = -1; // where the full text's underline stopped, -1 for nowhere
    double DictationLineWidth = 0;

    // Display settings: on at every start but the dictation English, never stored.
    bool ShowEnglishSubtitle = true;
    bool ShowChineseSubtitle = true;
    bool DictationShowEnglish = false;
    bool DictationShowChinese = true;
    bool CardShowEnglish = true;
    bool CardShowChinese = true;
    bool CardNoteShown = true;

    // The press point inside whichever thumb is being dragged, in twips.
    double DragAnchorX = 0, DragAnchorY = 0;
    QString ClickedWord;

    int ViewMode = 0; // the tab selected: 0 play, 1 full text, 2 translation, 3 dictation,
                      // 4 notes, 5 sentence card
    int ExerciseKind = 1;
    int VolumePercent = 50;
};

} // namespace lumeport
