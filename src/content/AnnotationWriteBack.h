#pragma once
// Saving the learner's note on a sentence into the lesson script.

#include "DocumentText.h"
#include "SentenceTable.h"

namespace lumeport {

// Gives sentence i the annotation `note` and writes the whole script to `scriptPath` as a
// rich-text document. Only when the file is written does the table take the new record; a
// failed write leaves both the table and the file as they were and says why.
FileResult WriteAnnotation(SentenceTable& table, int i, const QString& note,
                           const QString& scriptPath);

} // namespace lumeport
