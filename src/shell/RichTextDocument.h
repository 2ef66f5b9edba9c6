#pragma once
// Moving a rich-text document between the file form (text and format runs) and the editor's
// document, so the notes keep their bold, italic, underline, font, size and colour.

#include "RtfReader.h"

class QTextDocument;

namespace lumeport {

void FillTextDocument(QTextDocument& document, const RtfContent& content);
RtfContent ContentOfTextDocument(const QTextDocument& document);

} // namespace lumeport
