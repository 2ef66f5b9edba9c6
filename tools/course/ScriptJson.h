#pragma once
// A lesson script's sentence table as JSON lines, one object per sentence.

#include "SentenceTable.h"

#include <QByteArray>

namespace lumeport {

QByteArray JsonString(const QString& text);
// {"n":1,"english_field":...,"tokens":[...],"english":...,"chinese":...,"start":...,
//  "end":...,"note":...} with a final newline.
QByteArray SentenceJsonLine(int n, const SentenceEntry& entry);

} // namespace lumeport
