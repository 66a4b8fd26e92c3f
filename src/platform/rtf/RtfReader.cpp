#include "RtfReader.h"

#include "RtfParser.h"
#include "RtfSinks.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>

namespace halvora {

namespace {

RtfReadResult resultOf(const QString &error)
{
    return {error.isEmpty(), error};
}

} // namespace

RtfReadResult RtfReader::read(const QByteArray &rtf, QTextDocument *doc)
{
    if (!doc)
        return resultOf(QCoreApplication::translate("halvora::RtfReader", "There is no document to read into."));

    const bool undoRedo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();

    rtf::Parser parser;
    QString error;
    {
        QTextCursor cursor(doc);
        // One edit block: layout and change signals happen once, not per run.
        cursor.beginEditBlock();
        rtf::DocumentSink sink(cursor, parser.tables());
        error = parser.parse(rtf, sink);
        cursor.endEditBlock();
    }
    if (!error.isEmpty())
        doc->clear();

    doc->setUndoRedoEnabled(undoRedo);
    doc->setModified(false);
    return resultOf(error);
}

RtfReadResult RtfReader::plainText(const QByteArray &rtf, QString *text)
{
    if (!text)
        return resultOf(QCoreApplication::translate("halvora::RtfReader", "There is no text to read into."));
    text->clear();
    rtf::Parser parser;
    rtf::PlainTextSink sink(text);
    const QString error = parser.parse(rtf, sink);
    if (!error.isEmpty()) {
        text->clear();
        return resultOf(error);
    }
    sink.finish();
    return resultOf(error);
}

} // namespace halvora
