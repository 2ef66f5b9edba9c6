#include "RichTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace lumeport {

namespace {

QTextCharFormat qtFormat(const RtfCharFormat& f) {
    QTextCharFormat format;
    format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.italic);
    format.setFontUnderline(f.underline);
    if (!f.fontFamily.isEmpty()) format.setFontFamilies({f.fontFamily});
    format.setFontPointSize(f.pointSize);
    if (f.colour) format.setForeground(QColor::fromRgb(*f.colour));
    return format;
}

RtfCharFormat rtfFormat(const QTextCharFormat& format) {
    RtfCharFormat f;
    f.bold = format.fontWeight() >= QFont::Bold;
    f.italic = format.fontItalic();
    f.underline = format.fontUnderline();
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty()) f.fontFamily = families.front();
    if (format.fontPointSize() > 0) f.pointSize = format.fontPointSize();
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        f.colour = format.foreground().color().rgb() & 0xFFFFFF;
    return f;
}

} // namespace

void FillTextDocument(QTextDocument& document, const RtfContent& content) {
    document.clear();
    QTextCursor cursor(&document);
    const auto insert = [&](QString text, const QTextCharFormat& format) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cursor.insertText(text, format);
    };
    if (content.runs.empty()) insert(content.text, {});
    for (const RtfRun& run : content.runs)
        insert(content.text.mid(run.start, run.length), qtFormat(run.format));
}

RtfContent ContentOfTextDocument(const QTextDocument& document) {
    RtfContent content;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            const RtfCharFormat previous =
                content.runs.empty() ? RtfCharFormat{} : content.runs.back().format;
            content.runs.push_back({content.text.size(), 2, previous});
            content.text += QStringLiteral("\r\n");
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            content.runs.push_back(
                {content.text.size(), fragment.text().size(), rtfFormat(fragment.charFormat())});
            content.text += fragment.text();
        }
    }
    return content;
}

} // namespace lumeport
