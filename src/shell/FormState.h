#pragma once
// The program's state while it runs. It lives in the window that owns it, as the controls do;
// nothing here outlives a run but what start-up and shut-down store in the state files.

#include "LessonChoice.h"
#include "SentenceTable.h"

#include <QString>

namespace lumeport {

struct FormState {
    QString ProgramDir;
    float ScaleRatio = 1; // 1440 / dpi / 15, set once at start
    QString DictionaryText;
    int RunCount = 0;

    LessonIdentity Lesson;
    QString ScriptText;
    SentenceTable Sentences;

    int ViewMode = 0; // the tab selected: 0 play, 1 full text, 2 translation, 3 dictation,
                      // 4 notes, 5 sentence card
    int ExerciseKind = 1;
};

} // namespace lumeport
