#pragma once
// The sentences of the current lesson, numbered 1..SentenceCount. Each entry keeps its raw
// record, the only part that ever changes; everything else is cut out of it.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lumeport {

struct SentenceEntry {
    QString Record;
    QString EnglishField;
    QString EnglishText;
    QString ChineseText;
    QString StartTime; // seconds, kept as the text of the record
    QString EndTime;
    QString NoteText;

    static SentenceEntry FromRecord(const QString& record);
};

class SentenceTable {
public:
    SentenceTable() = default;
    static SentenceTable FromScriptText(const QString& scriptText);

    int SentenceCount() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    bool contains(int i) const { return i >= 1 && i <= SentenceCount(); }
    // Entry i, 1-based; i must be within 1..SentenceCount().
    const SentenceEntry& operator[](int i) const { return entries_[static_cast<size_t>(i - 1)]; }
    const SentenceEntry* find(int i) const { return contains(i) ? &(*this)[i] : nullptr; }

    // Records 1..N and the script text they make again.
    QStringList Records() const;
    QString ScriptText() const;

    void SetRecord(int i, const QString& record);

private:
    std::vector<SentenceEntry> entries_;
};

// Seconds read from a time field: "." is the decimal point whatever the system locale, blanks
// around the number are allowed; anything else is no time at all.
std::optional<double> SecondsFromTimeText(const QString& text);

} // namespace lumeport
