#pragma once

#include <functional>

class QPrinter;
class QTextDocument;

namespace halvora::print {

// Prints a document as it looks on screen, page by page. Between pages the
// window goes on handling events, so that the reader can stop a long job.
class TextPrinter
{
public:
    enum class Result { Printed, Stopped, Failed };

    // keepGoing is asked before each page, after pending events ran; when it
    // says no, the job stops. A job stopped before its first page sends
    // nothing to the printer; one stopped later is aborted where the printer
    // allows it, and a partly written file is removed.
    static Result print(const QTextDocument &document, QPrinter &printer, const std::function<bool()> &keepGoing);
};

} // namespace halvora::print
