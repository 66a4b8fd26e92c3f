#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace halvora::documents {

// The book's documents are written in Markdown (headings, paragraphs, bold,
// italic, lists, simple tables) and shipped as RTF. This turns the source
// into a rich-text document in the book's own type: body text in Times New
// Roman 12 pt, headings larger and dark green.
void buildDocument(const QString &markdown, QTextDocument *doc);

struct Conversion {
    QByteArray rtf;
    QString error; // one sentence when the source cannot be used
};

// UTF-8 Markdown to the RTF file the program reads.
Conversion markdownToRtf(const QByteArray &utf8);

} // namespace halvora::documents
