#pragma once

#include "RtfState.h"

namespace halvora::rtf {

// Receives what the parser reads from the text destinations. The parser
// hands over whole runs of equally formatted text, never single characters.
//
// Paragraph protocol: beginParagraph() before the first content of every
// paragraph, with its formatting so far (whether it lies in a table among
// it); then text runs; then one of endParagraph() for a \par, endCell() for
// the \cell that closes a table cell, or finishParagraph() when the document
// ends inside a paragraph that nothing closed. A paragraph only begins once
// content follows, so the final \par of a document never opens an empty
// last paragraph (RichEdit ignores it the same way). endRow() closes a
// table row after its last cell.
class Sink
{
public:
    virtual ~Sink() = default;

    virtual void beginParagraph(const ParaState &para) = 0;
    virtual void text(const QString &run, const CharState &chars) = 0;
    virtual void endParagraph(const ParaState &para) = 0;
    virtual void endCell(const ParaState &para) = 0;
    virtual void endRow() = 0;
    virtual void finishParagraph(const ParaState &para) = 0;
};

} // namespace halvora::rtf
