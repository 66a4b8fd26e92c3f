#pragma once

#include "RtfSink.h"

#include <QTextCharFormat>
#include <QTextCursor>

#include <array>

namespace halvora::rtf {

// Collects plain text the way QTextDocument::toPlainText() reports it.
class PlainTextSink final : public Sink
{
public:
    explicit PlainTextSink(QString *text);

    void text(const QString &run, const CharState &chars) override;
    void startParagraph() override;
    void endParagraph(const ParaState &para) override;
    void finishParagraph(const ParaState &para) override;

    // Maps no-break spaces and line separators as toPlainText() does.
    void finish();

private:
    QString *m_text;
};

// Builds a QTextDocument through a cursor, one insertion per run.
class DocumentSink final : public Sink
{
public:
    DocumentSink(const QTextCursor &cursor, const Tables &tables);

    void text(const QString &run, const CharState &chars) override;
    void startParagraph() override;
    void endParagraph(const ParaState &para) override;
    void finishParagraph(const ParaState &para) override;

private:
    const QTextCharFormat &format(const CharState &chars);
    QTextCharFormat makeFormat(const CharState &chars) const;
    void applyBlockFormat(const ParaState &para);

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
    ParaState m_blockState; // what the cursor's block carries; new blocks inherit it
};

} // namespace halvora::rtf
