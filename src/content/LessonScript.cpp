#include "LessonScript.h"

namespace lumeport {

int CountSentences(const QString& scriptText) {
    return std::max<qsizetype>(scriptText.count(RecordMark) - 1, 0);
}

QStringList CutRecords(const QString& scriptText) {
    QStringList records;
    qsizetype previous = scriptText.indexOf(RecordMark);
    while (previous >= 0) {
        const qsizetype next = scriptText.indexOf(RecordMark, previous + 1);
        if (next < 0) break;
        records.append(scriptText.mid(previous + 1, next - previous - 1));
        previous = next;
    }
    return records;
}

QString RecordField(const QString& record, int k) {
    qsizetype begin = 0;
    for (int field = 1; field <= k; ++field) {
        const qsizetype mark = record.indexOf(FieldMark, begin);
        if (mark < 0) return {};
        if (field == k) return record.mid(begin, mark - begin);
        begin = mark + 1;
    }
    return {};
}

QStringList WordTokens(const QString& englishField) {
    // The first character is the leading "^"; every token runs to the next "^".
    QStringList tokens;
    qsizetype p = 0;
    while (p < englishField.size() - 1) {
        const qsizetype q = englishField.indexOf(TokenMark, p + 1);
        if (q < 0) break;
        tokens.append(englishField.mid(p + 1, q - p - 1));
        p = q;
    }
    return tokens;
}

QString EnglishTextOf(const QString& englishField) {
    QString text = englishField;
    text.remove(TokenMark);
    return text;
}

QString JoinRecords(const QStringList& records) {
    QString text;
    qsizetype size = 1;
    for (const QString& r : records)
        size += r.size() + 1;
    text.reserve(size);
    text.append(RecordMark);
    for (const QString& r : records) {
        text.append(r);
        text.append(RecordMark);
    }
    return text;
}

static QString StorableNote(QString note) {
    note.replace(FieldMark, u'＃');
    note.replace(RecordMark, u'＊');
    return note;
}

QString RecordWithAnnotation(const QString& record, const QString& note) {
    QString head = record;
    qsizetype h4 = -1;
    for (int found = 0; found < 4; ++found) {
        const qsizetype mark = head.indexOf(FieldMark, h4 + 1);
        if (mark < 0) {
            head.append(QString(4 - found, FieldMark));
            h4 = head.size() - 1;
            break;
        }
        h4 = mark;
    }
    return head.left(h4 + 1) + StorableNote(note) + QStringLiteral("#####");
}

} // namespace lumeport
