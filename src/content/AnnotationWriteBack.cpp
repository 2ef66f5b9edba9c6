#include "AnnotationWriteBack.h"

#include "LessonScript.h"

namespace lumeport {

FileResult WriteAnnotation(SentenceTable& table, int i, const QString& note,
                           const QString& scriptPath) {
    if (!table.contains(i))
        return {false, QStringLiteral("there is no sentence %1 to annotate").arg(i)};
    QStringList records = table.Records();
    const QString record = RecordWithAnnotation(records[i - 1], note);
    records[i - 1] = record;
    FileResult written = writeDocument(scriptPath, JoinRecords(records));
    if (written) table.SetRecord(i, record);
    return written;
}

} // namespace lumeport
