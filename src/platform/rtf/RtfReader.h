#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace halvora {

struct RtfReadResult {
    bool ok = false;
    QString error; // one plain sentence when !ok
};

// Reads RTF as WordPad, Word, LibreOffice and pandoc write it. Malformed
// input gives an error value; the reader never recurses, and its memory and
// time grow linearly with the input.
class RtfReader
{
public:
    // Replaces doc's content with the document read from rtf. On failure doc is left empty.
    static RtfReadResult read(const QByteArray &rtf, QTextDocument *doc);
    // Plain text only (paragraph ends as "\n", like QTextDocument::toPlainText());
    // fast path without building a document.
    static RtfReadResult plainText(const QByteArray &rtf, QString *text);
};

} // namespace halvora
