#pragma once

#include "RtfCodePage.h"
#include "RtfControlWords.h"
#include "RtfSink.h"
#include "RtfState.h"
#include "RtfTableBuilder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace halvora::rtf {

// Reads RTF with an explicit group stack (no recursion) and hands runs of
// text to a Sink. Everything that is not shown is skipped by a fast scan.
class Parser
{
public:
    Parser() = default;
    Q_DISABLE_COPY_MOVE(Parser)

    // Returns an empty string on success, else one sentence saying what is wrong.
    QString parse(QByteArrayView rtf, Sink &sink);

    const Tables &tables() const { return m_tables; }

private:
    enum class Outcome : std::uint8_t { Reading, Closed, Failed };

    void openGroup();
    void closeGroup();
    void controlSequence(bool atGroupStart, bool starred);
    void controlWord(bool starred);
    void controlSymbol(char symbol);
    void handleWord(Word word, bool hasParam, int param);
    void textBytes();
    void hexByte();
    bool readNumber(int *value);

    void enterSkip();
    void skipToGroupEnd();
    void skipBinary(int count);

    void emitLatin1(const char *data, qsizetype size);
    void emitString(QStringView text);
    void emitChar(char16_t ch);
    void emitUnicode(int value);
    bool beginRun();
    void resolveSurrogate();
    void flushBytes();
    void flushRun();
    void openParagraph();
    void paragraphBreak();
    void cellBreak();
    void rowBreak();
    void finishDocument();
    int currentCodePage() const;

    Sink *m_sink = nullptr;
    Tables m_tables;
    TableBuilder m_tableBuilder{&m_tables};
    CodePageDecoder m_decoder;

    std::vector<GroupState> m_stack;
    GroupState m_state;
    Outcome m_outcome = Outcome::Reading;
    QString m_error;

    const char *m_pos = nullptr;
    const char *m_end = nullptr;
    bool m_atGroupStart = false;
    bool m_starred = false;

    QByteArray m_bytes;   // code-page bytes waiting to be decoded together
    QString m_decoded;    // scratch for decoding m_bytes
    QString m_run;        // text sharing m_runChars, not yet given to the sink
    CharState m_runChars;
    int m_fallbackToSkip = 0; // \uc characters still to drop after a \u
    char16_t m_highSurrogate = 0;
    bool m_paragraphOpen = false;    // the sink has begun the current paragraph
    bool m_paragraphInTable = false; // ... and it lies in a table cell
    bool m_rowOpen = false;          // a cell has ended and its row has not
    bool m_cellHasParagraph = false; // a \par has ended a paragraph of the current cell
};

} // namespace halvora::rtf
