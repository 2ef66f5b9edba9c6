#include "SentenceTable.h"

#include "LessonScript.h"

#include <QLocale>
#include <cmath>

namespace lumeport {

SentenceEntry SentenceEntry::FromRecord(const QString& record) {
    SentenceEntry e;
    e.Record = record;
    e.EnglishField = RecordField(record, 1);
    e.EnglishText = EnglishTextOf(e.EnglishField);
    e.ChineseText = RecordField(record, 2);
    e.StartTime = RecordField(record, 3);
    e.EndTime = RecordField(record, 4);
    e.NoteText = RecordField(record, 5);
    return e;
}

SentenceTable SentenceTable::FromScriptText(const QString& scriptText) {
    SentenceTable table;
    const QStringList records = CutRecords(scriptText);
    table.entries_.reserve(static_cast<size_t>(records.size()));
    for (const QString& r : records)
        table.entries_.push_back(SentenceEntry::FromRecord(r));
    return table;
}

QStringList SentenceTable::Records() const {
    QStringList records;
    records.reserve(static_cast<qsizetype>(entries_.size()));
    for (const SentenceEntry& e : entries_)
        records.append(e.Record);
    return records;
}

QString SentenceTable::ScriptText() const {
    return JoinRecords(Records());
}

void SentenceTable::SetRecord(int i, const QString& record) {
    if (contains(i)) entries_[static_cast<size_t>(i - 1)] = SentenceEntry::FromRecord(record);
}

std::optional<double> SecondsFromTimeText(const QString& text) {
    bool ok = false;
    const double seconds = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(seconds)) return std::nullopt;
    return seconds;
}

} // namespace lumeport
