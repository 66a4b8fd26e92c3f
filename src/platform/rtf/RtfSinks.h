#pragma once

#include "RtfSink.h"

#include <QTextCharFormat>
#include <QTextCursor>

class QTextTable;

#include <array>

namespace halvora::rtf {

// Collects plain text: paragraph ends as "\n", like QTextDocument::toPlainText(),
// and a table row as one line with a tab after each cell.
class PlainTextSink final : public Sink
{
public:
    explicit PlainTextSink(QString *text);

    void beginParagraph(const ParaState &para) override;
    void text(const QString &run, const CharState &chars) override;
    void endParagraph(const ParaState &para) override;
    void endCell(const ParaState &para) override;
    void endRow() override;
    void finishParagraph(const ParaState &para) override;

    // Maps no-break spaces and line separators as toPlainText() does.
    void finish();

private:
    QString *m_text;
    bool m_first = true;       // the next paragraph is the document's first
    bool m_afterCell = false;  // the next paragraph continues a row's line
};

// Builds a QTextDocument through a cursor, one insertion per run. Table
// cells become QTextTable cells; the table grows as rows and cells arrive.
class DocumentSink final : public Sink
{
public:
    DocumentSink(const QTextCursor &cursor, const Tables &tables);

    void beginParagraph(const ParaState &para) override;
    void text(const QString &run, const CharState &chars) override;
    void endParagraph(const ParaState &para) override;
    void endCell(const ParaState &para) override;
    void endRow() override;
    void finishParagraph(const ParaState &para) override;

private:
    const QTextCharFormat &format(const CharState &chars);
    QTextCharFormat makeFormat(const CharState &chars) const;
    void applyBlockFormat(const ParaState &para);
    void enterCell();
    void leaveTable();

    struct CachedFormat {
        CharState chars;
        QTextCharFormat format;
        bool used = false;
    };

    QTextCursor m_cursor;
    const Tables &m_tables;
    // Runs tend to alternate among a few formats; building and hashing a
    // QTextCharFormat for each one would dominate the read.
    std::array<CachedFormat, 8> m_formats;
    std::size_t m_nextSlot = 0;
    ParaState m_blockState;    // what the cursor's block carries; new blocks inherit it
    bool m_blockStateKnown = true;
    bool m_first = true;       // the cursor's block is the document's first, still unused

    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_cellPending = false; // the next paragraph starts the cell at m_row, m_column
    qint64 m_cellsRead = 0;
    qint64 m_cellsMade = 0;
    bool m_flattenTables = false;
};

} // namespace halvora::rtf
