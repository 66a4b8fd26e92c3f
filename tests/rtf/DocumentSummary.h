#pragma once

#include <QFile>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace halvora::test {

inline QByteArray readFixture(const QString &name)
{
    QFile file(QStringLiteral(HALVORA_RTF_FIXTURES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The formatting of a run as a reader sees it, with the document's default
// font filling in what the run leaves unset.
inline QString describeFormat(const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    QStringList parts{font.family(), QString::number(font.pointSizeF())};
    if (font.bold())
        parts << QStringLiteral("bold");
    if (font.italic())
        parts << QStringLiteral("italic");
    if (font.underline())
        parts << QStringLiteral("underline");
    if (font.strikeOut())
        parts << QStringLiteral("strike");
    if (format.foreground().style() != Qt::NoBrush)
        parts << QStringLiteral("fg") + format.foreground().color().name();
    if (format.background().style() != Qt::NoBrush)
        parts << QStringLiteral("bg") + format.background().color().name();
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        parts << QStringLiteral("super");
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        parts << QStringLiteral("sub");
    return parts.join(u' ');
}

// One line per paragraph (alignment and distances) and per run of equally
// formatted text, so two documents compare as a reader would see them.
inline QStringList describe(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        lines << QStringLiteral("paragraph align=%1 margins=%2,%3,%4,%5,%6")
                     .arg(int(bf.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(bf.leftMargin())
                     .arg(bf.rightMargin())
                     .arg(bf.textIndent())
                     .arg(bf.topMargin())
                     .arg(bf.bottomMargin());
        QString previous;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString format = describeFormat(fragment.charFormat(), doc.defaultFont());
            if (format == previous)
                lines.last() += fragment.text();
            else
                lines << QStringLiteral("[%1] %2").arg(format, fragment.text());
            previous = format;
        }
    }
    return lines;
}

// The text of a document as the reader's plain-text path gives it: one line
// per paragraph, one line per table row with a tab after each cell. The
// paragraph a QTextDocument always keeps after a table is no line of its own
// when nothing was read into it at the document's end.
inline QString textByRows(const QTextDocument &doc)
{
    QStringList lines;
    bool trailingAfterTable = false;
    auto it = doc.rootFrame()->begin();
    // Nor is the empty paragraph before a table that opens the document.
    if (doc.firstBlock().text().isEmpty()) {
        auto next = it;
        ++next;
        if (!next.atEnd() && qobject_cast<QTextTable *>(next.currentFrame()))
            it = next;
    }
    for (; !it.atEnd(); ++it) {
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            for (int r = 0; r < table->rows(); ++r) {
                QString line;
                for (int c = 0; c < table->columns(); ++c) {
                    QStringList paragraphs;
                    const QTextTableCell cell = table->cellAt(r, c);
                    for (auto b = cell.begin(); !b.atEnd(); ++b)
                        paragraphs << b.currentBlock().text();
                    line += paragraphs.join(u'\n') + u'\t';
                }
                lines << line;
            }
            trailingAfterTable = true;
        } else if (it.currentBlock().isValid()) {
            const QString text = it.currentBlock().text();
            if (!(trailingAfterTable && text.isEmpty() && it.currentBlock() == doc.lastBlock()))
                lines << text;
            trailingAfterTable = false;
        }
    }
    // Line separators and no-break spaces as toPlainText() gives them.
    return lines.join(u'\n').replace(QChar::LineSeparator, u'\n').replace(QChar::Nbsp, u' ');
}

// Tables of a document in a compact form: "[A,B;C,D]" for two rows of two
// cells, paragraphs inside a cell joined by "/", ordinary paragraphs as "|text|".
inline QString outline(const QTextDocument &doc)
{
    QString out;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            QStringList rows;
            for (int r = 0; r < table->rows(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columns(); ++c) {
                    QStringList paragraphs;
                    const QTextTableCell cell = table->cellAt(r, c);
                    for (auto b = cell.begin(); !b.atEnd(); ++b)
                        paragraphs << b.currentBlock().text();
                    cells << paragraphs.join(u'/');
                }
                rows << cells.join(u',');
            }
            out += u'[' + rows.join(u';') + u']';
        } else if (it.currentBlock().isValid()) {
            out += u'|' + it.currentBlock().text() + u'|';
        }
    }
    return out;
}

} // namespace halvora::test
