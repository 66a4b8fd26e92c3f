#include "MarkdownDocument.h"

#include "rtf/RtfWriter.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace halvora::documents {

namespace {

const QString family = QStringLiteral("Times New Roman");
const QColor headingColour(0, 64, 0);

struct BlockStyle {
    double points = 12;
    bool bold = false;
    bool coloured = false;
    qreal spaceBefore = 0; // pixels at 96 dpi
    qreal spaceAfter = 8;
};

BlockStyle styleFor(const QTextBlock &block)
{
    switch (block.blockFormat().headingLevel()) {
    case 1: return {18, true, true, 0, 12};
    case 2: return {14, true, true, 16, 6};
    case 3: return {12, true, true, 12, 4};
    case 0: break;
    default: return {12, true, false, 8, 4};
    }
    if (const QTextList *list = block.textList()) {
        // The last item keeps a paragraph's distance from what follows.
        const bool last = !block.next().isValid() || block.next().textList() != list;
        return {12, false, false, 0, last ? qreal(8) : qreal(4)};
    }
    if (QTextCursor(block).currentTable())
        return {11, false, false, 0, 0};
    return {};
}

} // namespace

void buildDocument(const QString &markdown, QTextDocument *doc)
{
    doc->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    QFont base(family);
    base.setPointSizeF(12);
    doc->setDefaultFont(base);

    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const BlockStyle style = styleFor(block);
        QTextCursor range(block);
        QTextBlockFormat blockFormat = block.blockFormat();
        blockFormat.setTopMargin(style.spaceBefore);
        blockFormat.setBottomMargin(style.spaceAfter);
        range.setBlockFormat(blockFormat);

        // Family, size and heading look over whatever the run has; bold and
        // italic written in the text stay as they are. The importer's
        // relative heading sizes would override the size, so they go.
        const auto restyle = [&style](QTextCharFormat format) {
            format.clearProperty(QTextFormat::FontSizeAdjustment);
            format.setFontFamilies({family});
            format.setFontPointSize(style.points);
            if (style.bold)
                format.setFontWeight(QFont::Bold);
            if (style.coloured)
                format.setForeground(headingColour);
            return format;
        };
        // Gathered first: changing a run's format may merge it with its neighbour.
        QList<std::pair<QTextFragment, QTextCharFormat>> runs;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.append({it.fragment(), restyle(it.fragment().charFormat())});
        for (const auto &[fragment, format] : std::as_const(runs)) {
            QTextCursor run(doc);
            run.setPosition(fragment.position());
            run.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            run.setCharFormat(format);
        }
        range.setBlockCharFormat(restyle(block.charFormat()));
    }
    // A table's first row is its header.
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        QTextCursor at(block);
        QTextTable *table = at.currentTable();
        if (!table || table->cellAt(at).row() != 0)
            continue;
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        at.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        at.mergeCharFormat(bold);
    }
    cursor.endEditBlock();
}

Conversion markdownToRtf(const QByteArray &utf8)
{
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString markdown = decode(utf8);
    if (decode.hasError())
        return {{}, QStringLiteral("the text is not UTF-8")};
    if (markdown.trimmed().isEmpty())
        return {{}, QStringLiteral("the document is empty")};
    QTextDocument doc;
    buildDocument(markdown, &doc);
    return {RtfWriter::write(doc), {}};
}

} // namespace halvora::documents
