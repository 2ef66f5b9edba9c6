#pragma once
// Writes rich-text (RTF) documents that read back through RtfReader to exactly the text and
// formatting they were written from, and that other word processors open in Chinese fonts.

#include "RtfReader.h"

#include <QByteArray>
#include <QString>

namespace lumeport {

// The format plain text is written in, and the one text outside every run gets: 新宋体, 9 pt.
RtfCharFormat plainTextFormat();

// The document of `content`. Runs may leave gaps (written in plainTextFormat()); overlapping
// runs are cut where the next one starts. A run without a font family is written in 新宋体, and
// point sizes are rounded to the half points RTF stores.
QByteArray rtfFromContent(const RtfContent& content);

} // namespace lumeport
