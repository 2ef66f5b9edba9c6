#include "ScriptJson.h"

#include "LessonScript.h"

namespace lumeport {

QByteArray JsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out.toUtf8();
}

QByteArray SentenceJsonLine(int n, const SentenceEntry& e) {
    QByteArray tokens = "[";
    const QStringList words = WordTokens(e.EnglishField);
    for (qsizetype i = 0; i < words.size(); ++i)
        tokens += (i ? "," : "") + JsonString(words[i]);
    tokens += "]";
    return "{\"n\":" + QByteArray::number(n) + ",\"english_field\":" + JsonString(e.EnglishField) +
           ",\"tokens\":" + tokens + ",\"english\":" + JsonString(e.EnglishText) +
           ",\"chinese\":" + JsonString(e.ChineseText) + ",\"start\":" + JsonString(e.StartTime) +
           ",\"end\":" + JsonString(e.EndTime) + ",\"note\":" + JsonString(e.NoteText) + "}\n";
}

} // namespace lumeport
