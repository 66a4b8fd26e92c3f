#pragma once

#include "RtfState.h"

namespace halvora::rtf {

// Receives what the parser reads from the text destinations. The parser
// hands over whole runs of equally formatted text, never single characters.
//
// Paragraph protocol: endParagraph() for each \par with the paragraph's
// formatting; startParagraph() only once more content follows, so the
// final \par of a document never opens an empty last paragraph (RichEdit
// ignores it the same way); finishParagraph() when the document ends inside
// a paragraph that no \par closed.
class Sink
{
public:
    virtual ~Sink() = default;

    virtual void text(const QString &run, const CharState &chars) = 0;
    virtual void startParagraph() = 0;
    virtual void endParagraph(const ParaState &para) = 0;
    virtual void finishParagraph(const ParaState &para) = 0;
};

} // namespace halvora::rtf
