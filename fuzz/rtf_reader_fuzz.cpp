// libFuzzer target over the RTF reader. Besides crashes, leaks and hangs it
// checks what must hold for every input: both entry points agree on whether
// the input is RTF and on its text, and whatever was read survives a write
// and a second read with the same text.
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool hasTable(const QTextDocument &doc)
{
    const auto frames = doc.rootFrame()->childFrames();
    return std::any_of(frames.cbegin(), frames.cend(), [](QTextFrame *frame) { return qobject_cast<QTextTable *>(frame); });
}

QString withoutSeparators(QString text)
{
    text.remove(u'\t');
    text.remove(u'\n');
    return text;
}

void fail(const char *what)
{
    std::fprintf(stderr, "rtf_reader_fuzz: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Not a copy: reads past the input's end show up under AddressSanitizer.
    const QByteArray rtf = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    QString plain;
    const halvora::RtfReadResult plainResult = halvora::RtfReader::plainText(rtf, &plain);
    QTextDocument doc;
    const halvora::RtfReadResult docResult = halvora::RtfReader::read(rtf, &doc);

    if (plainResult.ok != docResult.ok)
        fail("plainText() and read() disagree on whether the input is RTF");
    if (!docResult.ok) {
        if (docResult.error.isEmpty() || !doc.isEmpty() || !plain.isEmpty())
            fail("a failed read left content or gave no reason");
        return 0;
    }
    // A table row is one line of tab-separated cells in plain text, while the
    // document keeps each cell a paragraph of its own (and pads short rows):
    // where tables were read, the same text must come in the same order.
    if (hasTable(doc) ? withoutSeparators(plain) != withoutSeparators(doc.toPlainText()) : plain != doc.toPlainText())
        fail("plainText() differs from the document's plain text");

    const QByteArray written = halvora::RtfWriter::write(doc);
    if (!std::all_of(written.cbegin(), written.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        fail("the writer emitted a non-ASCII byte");
    QTextDocument again;
    if (!halvora::RtfReader::read(written, &again).ok)
        fail("the reader rejects what the writer wrote");
    if (again.toPlainText() != doc.toPlainText())
        fail("write then read changed the text");
    return 0;
}
