#pragma once
// The text of a lesson script: records between "*" marks, fields between "#" marks, and the
// English field's word tokens between "^" marks. Positions count UTF-16 units.

#include <QString>
#include <QStringList>

namespace lumeport {

inline constexpr QChar RecordMark = u'*';
inline constexpr QChar FieldMark = u'#';
inline constexpr QChar TokenMark = u'^';

// Number of records: the "*" marks minus one. Text before the first and after the last "*"
// belongs to no record, so a hand-edited file's final newline does not count.
int CountSentences(const QString& scriptText);

// Records 1..count, each the text strictly between two neighbouring "*" marks.
QStringList CutRecords(const QString& scriptText);

// Field k (1..5) of a record: the text between the (k-1)-th and the k-th "#". A field whose
// closing "#" is missing is empty, so a record with too few "#" reads as empty fields.
QString RecordField(const QString& record, int k);

// The word tokens of an English field "^tok^tok^...^". A field that does not end with "^"
// yields the tokens up to its last "^".
QStringList WordTokens(const QString& englishField);

// The English field with every "^" removed.
QString EnglishTextOf(const QString& englishField);

// "*" + record 1 + "*" + ... + record N + "*".
QString JoinRecords(const QStringList& records);

// The record with its annotation replaced: everything through the fourth "#", the note, then
// "#####". A record with fewer than four "#" is padded first so its English and Chinese stay.
// The format cannot hold "#" or "*" in a field, so they are stored as their full-width forms.
QString RecordWithAnnotation(const QString& record, const QString& note);

} // namespace lumeport
