// halvora-documents OUTPUT.rtf SOURCE.md
// Writes one of the book's documents, authored in Markdown, as the RTF file
// the program shows. The file is replaced in one step, so a failed build
// leaves no half-written document.
#include "MarkdownDocument.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Fonts need a GUI application; the build machine may have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fputs("usage: halvora-documents OUTPUT.rtf SOURCE.md\n", stderr);
        return 2;
    }
    const QString &output = args.at(0);
    const QString &source = args.at(1);

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "halvora-documents: cannot read %s: %s\n", qPrintable(source), qPrintable(in.errorString()));
        return 1;
    }
    const auto converted = halvora::documents::markdownToRtf(in.readAll());
    if (!converted.error.isEmpty()) {
        std::fprintf(stderr, "halvora-documents: %s: %s\n", qPrintable(source), qPrintable(converted.error));
        return 1;
    }
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(converted.rtf) != converted.rtf.size() || !out.commit()) {
        std::fprintf(stderr, "halvora-documents: cannot write %s: %s\n", qPrintable(output), qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
