#pragma once

#include <QByteArray>

class QTextDocument;

namespace halvora {

// Writes a QTextDocument as ASCII-only RTF (Windows-1252 bytes as \'hh,
// other characters as \uN? with a '?' fallback) that word processors open
// with the same text and formatting. A one-paragraph document in a single
// plain font comes out in RichEdit's own short form, e.g. Screen.txt.
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument &doc);
};

} // namespace halvora
