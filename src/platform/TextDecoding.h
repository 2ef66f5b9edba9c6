#pragma once
// Byte-to-text decoding for the files a course ships: plain-text files of unknown encoding and
// the 8-bit runs inside rich-text documents, which are in Windows code pages.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <map>

namespace lumeport {

// Plain text: UTF-16 when it starts with a UTF-16 byte-order mark, UTF-8 when it starts with the
// UTF-8 mark or decodes cleanly as UTF-8, otherwise GB18030. The mark is not part of the text.
QString decodePlainText(const QByteArray& bytes);

// The Windows code page of an RTF font charset (\fcharsetN), or 0 when the charset names none
// (charset 1, "default", and charsets we do not know): the document's code page applies then.
int codePageForCharset(int charset);

// The converter name for a Windows code page (936 -> "GBK"), or nullptr when we have none.
const char* encodingNameForCodePage(int codePage);

// The code page that applies to a font: its charset's, else the document's, else windows-1252.
int effectiveCodePage(int charset, int documentCodePage);

// Decodes byte runs in Windows code pages, keeping one converter per code page so a long
// document does not pay for a converter per run. Each call decodes its bytes on their own: a
// lead byte left dangling at the end of one run never swallows the first byte of the next.
class CodePageDecoder {
public:
    QString decode(QByteArrayView bytes, int codePage);

private:
    QStringDecoder& decoderFor(int codePage);
    std::map<int, QStringDecoder> decoders_;
};

} // namespace lumeport
