#include "RtfSinks.h"

#include <QTextBlockFormat>

namespace halvora::rtf {

namespace {

// Distances: twips in RTF, pixels at 96 dpi in QTextDocument.
constexpr double kTwipsPerPixel = 15.0;

Qt::Alignment toQt(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Justify: return Qt::AlignJustify;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

} // namespace

PlainTextSink::PlainTextSink(QString *text)
    : m_text(text)
{
}

void PlainTextSink::text(const QString &run, const CharState &)
{
    m_text->append(run);
}

void PlainTextSink::startParagraph()
{
    m_text->append(u'\n');
}

void PlainTextSink::endParagraph(const ParaState &)
{
}

void PlainTextSink::finishParagraph(const ParaState &)
{
}

void PlainTextSink::finish()
{
    // One pass over the text instead of one replace() per character kind.
    QChar *c = m_text->data();
    for (QChar *const end = c + m_text->size(); c != end; ++c) {
        if (*c == QChar::Nbsp)
            *c = u' ';
        else if (*c == QChar::LineSeparator)
            *c = u'\n';
    }
}

DocumentSink::DocumentSink(const QTextCursor &cursor, const Tables &tables)
    : m_cursor(cursor)
    , m_tables(tables)
{
}

void DocumentSink::text(const QString &run, const CharState &chars)
{
    m_cursor.insertText(run, format(chars));
}

void DocumentSink::startParagraph()
{
    m_cursor.insertBlock();
}

void DocumentSink::endParagraph(const ParaState &para)
{
    applyBlockFormat(para);
}

void DocumentSink::finishParagraph(const ParaState &para)
{
    applyBlockFormat(para);
}

const QTextCharFormat &DocumentSink::format(const CharState &chars)
{
    for (const CachedFormat &cached : m_formats) {
        if (cached.used && cached.chars == chars)
            return cached.format;
    }
    CachedFormat &slot = m_formats[m_nextSlot];
    m_nextSlot = (m_nextSlot + 1) % m_formats.size();
    slot = {chars, makeFormat(chars), true};
    return slot.format;
}

QTextCharFormat DocumentSink::makeFormat(const CharState &chars) const
{
    QTextCharFormat format;
    if (const FontEntry *font = m_tables.font(chars.font); font && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (const QColor color = m_tables.color(chars.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = m_tables.color(chars.background); color.isValid())
        format.setBackground(color);
    if (chars.vertical == 1)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical == 2)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

void DocumentSink::applyBlockFormat(const ParaState &para)
{
    if (para == m_blockState)
        return;
    QTextBlockFormat format;
    if (para.alignment != Alignment::Left)
        format.setAlignment(toQt(para.alignment));
    if (para.leftIndent != 0)
        format.setLeftMargin(para.leftIndent / kTwipsPerPixel);
    if (para.rightIndent != 0)
        format.setRightMargin(para.rightIndent / kTwipsPerPixel);
    if (para.firstIndent != 0)
        format.setTextIndent(para.firstIndent / kTwipsPerPixel);
    if (para.spaceBefore != 0)
        format.setTopMargin(para.spaceBefore / kTwipsPerPixel);
    if (para.spaceAfter != 0)
        format.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
    m_cursor.setBlockFormat(format);
    m_blockState = para;
}

} // namespace halvora::rtf
