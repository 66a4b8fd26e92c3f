#include "RtfSinks.h"

#include <QTextBlockFormat>
#include <QTextTable>

#include <utility>

namespace halvora::rtf {

namespace {

// Distances: twips in RTF, pixels at 96 dpi in QTextDocument.
constexpr double kTwipsPerPixel = 15.0;

// Word processors allow at most 63 columns.
constexpr int kMaxColumns = 63;
constexpr qint64 kCellAllowance = 4096;

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

void PlainTextSink::beginParagraph(const ParaState &)
{
    if (!m_first && !m_afterCell)
        m_text->append(u'\n');
    m_first = false;
    m_afterCell = false;
}

void PlainTextSink::text(const QString &run, const CharState &)
{
    m_text->append(run);
}

void PlainTextSink::endParagraph(const ParaState &)
{
}

void PlainTextSink::endCell(const ParaState &)
{
    m_text->append(u'\t');
    m_afterCell = true;
}

void PlainTextSink::endRow()
{
    m_afterCell = false;
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

void DocumentSink::beginParagraph(const ParaState &para)
{
    const bool first = std::exchange(m_first, false);
    if (para.inTable && !m_flattenTables) {
        if (!m_table || m_cellPending)
            enterCell();
        else
            m_cursor.insertBlock(); // a further paragraph of the same cell
        return;
    }
    if (m_table) {
        leaveTable(); // into the paragraph that always follows a table
        return;
    }
    if (!first)
        m_cursor.insertBlock();
}

void DocumentSink::text(const QString &run, const CharState &chars)
{
    m_cursor.insertText(run, format(chars));
}

void DocumentSink::endParagraph(const ParaState &para)
{
    applyBlockFormat(para);
}

void DocumentSink::endCell(const ParaState &para)
{
    applyBlockFormat(para);
    ++m_cellsRead;
    if (m_flattenTables) {
        m_cursor.insertText(QStringLiteral("\t"));
        return;
    }
    ++m_column;
    m_cellPending = true;
}

void DocumentSink::endRow()
{
    ++m_row;
    m_column = 0;
    m_cellPending = true;
}

void DocumentSink::finishParagraph(const ParaState &para)
{
    applyBlockFormat(para);
}

// Puts the cursor into the cell that comes next, first making the table or
// growing it: a row may bring more cells than the rows before it.
void DocumentSink::enterCell()
{
    if (!m_table) {
        QTextTableFormat format;
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorder(1);
        format.setBorderCollapse(true);
        format.setCellPadding(4);
        format.setCellSpacing(0);
        m_table = m_cursor.insertTable(1, 1, format);
        m_row = 0;
        m_column = 0;
        ++m_cellsMade;
    }
    // Rows shorter than the table are padded with empty cells. Padding is
    // kept in proportion to the cells read, so that a crafted document
    // cannot make a small file into millions of cells; past that, tables
    // are read as lines of tab-separated cells.
    const qint64 growth = (m_row >= m_table->rows() ? m_table->columns() : 0)
        + (m_column >= m_table->columns() ? m_table->rows() : 0);
    if (m_cellsMade + growth > 4 * m_cellsRead + kCellAllowance || m_column >= kMaxColumns) {
        leaveTable();
        m_flattenTables = true;
        return;
    }
    if (m_row >= m_table->rows())
        m_table->appendRows(m_row - m_table->rows() + 1);
    if (m_column >= m_table->columns())
        m_table->appendColumns(m_column - m_table->columns() + 1);
    m_cellsMade += growth;
    m_cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
    m_cellPending = false;
    m_blockStateKnown = false;
}

void DocumentSink::leaveTable()
{
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
    m_cellPending = false;
    m_blockStateKnown = false;
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
    if (m_blockStateKnown && para == m_blockState)
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
    // A hanging first line (a list item's bullet) has an implicit tab stop
    // where the other lines begin, as word processors keep it.
    if (para.firstIndent < 0 && para.leftIndent > 0)
        format.setTabPositions({QTextOption::Tab(para.leftIndent / kTwipsPerPixel, QTextOption::LeftTab)});
    if (para.spaceBefore != 0)
        format.setTopMargin(para.spaceBefore / kTwipsPerPixel);
    if (para.spaceAfter != 0)
        format.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
    m_cursor.setBlockFormat(format);
    m_blockState = para;
    m_blockStateKnown = true;
}

} // namespace halvora::rtf
