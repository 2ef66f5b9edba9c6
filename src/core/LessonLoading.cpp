#include "LessonLoading.h"

#include "CoursePaths.h"
#include "DocumentText.h"
#include "Form1.h"
#include "Platform.h"

namespace lumeport {

LessonLoading::LessonLoading(Form1& form, Platform& platform)
    : form_(form)
    , platform_(platform) {}

void LessonLoading::LoadLesson() {
    FormState& s = form_.state;
    // The script is read whole; a lesson whose script is missing or unreadable is shown as an
    // empty lesson rather than keeping the previous lesson's sentences.
    const DocumentRead script =
        readDocument(LessonScriptPath(s.ProgramDir, s.Lesson.CourseName, s.Lesson.LessonNo));
    s.ScriptText = script.ok ? script.text : QString();
    s.Sentences = SentenceTable::FromScriptText(s.ScriptText);
    s.Lesson.LoadedLessonNo = s.Lesson.LessonNo;
}

} // namespace lumeport
