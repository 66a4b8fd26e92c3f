#include "RtfParser.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <utility>

namespace halvora::rtf {

namespace {

constexpr std::size_t kMaxDepth = 1000;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxTwips = 31680; // 22 inches

enum ByteClass : std::uint8_t { Plain, Stop, Other };

// Plain: printable ASCII that can go straight into the text.
// Stop: bytes the main loop handles itself. Other: raw code-page bytes and controls.
constexpr std::array<std::uint8_t, 256> kByteClass = [] {
    std::array<std::uint8_t, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b)
        table[b] = (b >= 0x20 && b < 0x7F) ? Plain : Other;
    for (const unsigned char b : {'\\', '{', '}', '\r', '\n', '\0'})
        table[b] = Stop;
    return table;
}();

inline ByteClass classOf(char c)
{
    return static_cast<ByteClass>(kByteClass[static_cast<unsigned char>(c)]);
}

inline bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

inline bool isDestination(Word word)
{
    switch (word) {
    case Word::FontTable:
    case Word::ColorTable:
    case Word::SkipDestination:
    case Word::TextDestination:
    case Word::ListText:
    case Word::Field:
    case Word::UnicodePair:
    case Word::UnicodeVersion:
        return true;
    default:
        return false;
    }
}

// Characters a QTextDocument would turn into structure (block and frame
// separators, object placeholders) or that have no place in text.
inline char16_t sanitized(char16_t ch)
{
    if (ch < 0x20)
        return ch == u'\t' ? ch : 0;
    switch (ch) {
    case 0x7F:
    case 0xFDD0:
    case 0xFDD1:
    case 0xFFFC:
        return 0;
    case 0x2029:
        return 0x2028;
    default:
        return ch;
    }
}

void sanitize(QString *text)
{
    // sanitized() returns 0 for "drop", so a NUL needs work even though it maps to itself.
    const auto needsWork = [](QChar c) { return c.unicode() == 0 || sanitized(c.unicode()) != c.unicode(); };
    if (std::none_of(text->cbegin(), text->cend(), needsWork))
        return;
    QString clean;
    clean.reserve(text->size());
    for (const QChar c : std::as_const(*text)) {
        if (const char16_t s = sanitized(c.unicode()))
            clean.append(QChar(s));
    }
    *text = std::move(clean);
}

inline bool switchedOn(bool hasParam, int param)
{
    return !hasParam || param != 0;
}

inline int twips(int param)
{
    return std::clamp(param, -kMaxTwips, kMaxTwips);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("halvora::RtfReader", text);
}

} // namespace

QString Parser::parse(QByteArrayView rtf, Sink &sink)
{
    m_sink = &sink;
    m_pos = rtf.data();
    m_end = m_pos + rtf.size();

    while (m_pos < m_end && isSpace(*m_pos))
        ++m_pos;
    if (m_end - m_pos < 5 || std::memcmp(m_pos, "{\\rtf", 5) != 0)
        return tr("The data is not an RTF document.");

    while (m_outcome == Outcome::Reading && m_pos < m_end) {
        const bool atGroupStart = std::exchange(m_atGroupStart, false);
        const bool starred = std::exchange(m_starred, false);
        switch (*m_pos) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence(atGroupStart, starred);
            break;
        case '\r':
        case '\n':
            ++m_pos;
            m_atGroupStart = atGroupStart;
            m_starred = starred;
            break;
        case '\0':
            m_end = m_pos; // a NUL ends the input, as in RichEdit streams
            break;
        default:
            textBytes();
            break;
        }
    }

    if (m_outcome == Outcome::Failed)
        return m_error;
    if (m_outcome != Outcome::Closed)
        return tr("The RTF document is truncated: it ends before all its groups are closed.");
    for (; m_pos < m_end && *m_pos != '\0'; ++m_pos) {
        if (!isSpace(*m_pos))
            return tr("The RTF document has unbalanced braces: it goes on after its final closing brace.");
    }
    return {};
}

void Parser::openGroup()
{
    flushBytes();
    m_fallbackToSkip = 0;
    if (m_stack.size() >= kMaxDepth) {
        m_outcome = Outcome::Failed;
        m_error = tr("The RTF document nests groups more than %1 levels deep.").arg(kMaxDepth);
        return;
    }
    m_stack.push_back(m_state);
    m_atGroupStart = true;
    ++m_pos;
}

void Parser::closeGroup()
{
    flushBytes();
    m_fallbackToSkip = 0;
    if (m_state.destination == Destination::FontTable)
        m_tableBuilder.endFont();
    ++m_pos;
    if (m_stack.size() == 1) {
        finishDocument();
        m_outcome = Outcome::Closed;
    }
    m_state = m_stack.back();
    m_stack.pop_back();
}

void Parser::controlSequence(bool atGroupStart, bool starred)
{
    ++m_pos; // the backslash
    if (m_pos == m_end)
        return;
    if (isLetter(*m_pos)) {
        controlWord(starred);
        return;
    }
    const char symbol = *m_pos++;
    if (symbol == '*') {
        // Only `{\*` marks an ignorable destination; elsewhere it means nothing.
        m_atGroupStart = atGroupStart;
        m_starred = atGroupStart;
        return;
    }
    controlSymbol(symbol);
}

void Parser::controlWord(bool starred)
{
    const char *start = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    const auto length = static_cast<std::size_t>(m_pos - start);
    const Word word = length <= kMaxWordLength ? lookupWord({start, length}) : Word::Unknown;

    int param = 0;
    const bool hasParam = readNumber(&param);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;

    if (starred && !isDestination(word)) {
        enterSkip();
        return;
    }
    handleWord(word, hasParam, param);
}

bool Parser::readNumber(int *value)
{
    bool negative = false;
    if (m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos == m_end || !isDigit(*m_pos))
        return false;
    long long magnitude = 0;
    for (; m_pos < m_end && isDigit(*m_pos); ++m_pos) {
        // Every digit is consumed, but the value saturates.
        if (magnitude <= INT_MAX)
            magnitude = magnitude * 10 + (*m_pos - '0');
    }
    magnitude = std::min<long long>(magnitude, INT_MAX);
    *value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

void Parser::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\'':
        hexByte();
        return;
    case '\\':
    case '{':
    case '}':
        // Escaped characters are code-page bytes too: in double-byte code
        // pages a backslash or brace can be the trail byte of a character.
        if (m_fallbackToSkip > 0)
            --m_fallbackToSkip;
        else
            m_bytes.append(symbol);
        return;
    case '\r':
    case '\n':
        flushBytes();
        m_fallbackToSkip = 0;
        paragraphBreak();
        return;
    default:
        break;
    }

    char16_t ch = 0;
    switch (symbol) {
    case '~': ch = 0x00A0; break;
    case '_': ch = 0x2011; break;
    case '-': ch = 0x00AD; break;
    case '\t': ch = u'\t'; break;
    default: break; // \| \: and unknown symbols carry nothing we show
    }
    flushBytes();
    if (ch == 0) {
        m_fallbackToSkip = 0;
        return;
    }
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    emitChar(ch);
}

void Parser::hexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_end) {
        const int h = hexValue(*m_pos);
        if (h < 0)
            break;
        value = value * 16 + h;
        ++digits;
        ++m_pos;
    }
    if (digits == 0)
        return;
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    m_bytes.append(static_cast<char>(value));
}

void Parser::handleWord(Word word, bool hasParam, int param)
{
    flushBytes();
    // A control word ends the \uc fallback: a \u without its fallback
    // character must not swallow the \par or the text after it.
    m_fallbackToSkip = 0;

    CharState &chars = m_state.chars;
    ParaState &para = m_state.para;
    const Destination destination = m_state.destination;

    switch (word) {
    case Word::Unknown:
    case Word::Rtf:
    case Word::Field:
    case Word::TextDestination:
        break; // field results are shown
    case Word::ListText:
        // We build no lists from \ls/\pn tables, so \listtext and \pntext
        // are where the bullets and numbers survive: they are read as text,
        // without the blanks some writers put before the marker.
        m_state.listMarker = true;
        break;
    case Word::FontTable:
        m_state.destination = Destination::FontTable;
        break;
    case Word::ColorTable:
        m_state.destination = Destination::ColorTable;
        m_tableBuilder.beginColors();
        break;
    case Word::SkipDestination:
        enterSkip();
        break;
    case Word::UnicodePair:
        if (destination != Destination::Skip) {
            m_state.unicodePairOuter = destination;
            m_state.destination = Destination::UnicodePair;
        }
        break;
    case Word::UnicodeVersion:
        if (destination == Destination::UnicodePair)
            m_state.destination = m_state.unicodePairOuter;
        break;
    case Word::Ansi: m_tables.documentCodePage = 1252; break;
    case Word::Mac: m_tables.documentCodePage = 10000; break;
    case Word::Pc: m_tables.documentCodePage = 437; break;
    case Word::Pca: m_tables.documentCodePage = 850; break;
    case Word::AnsiCodePage:
        if (param > 0)
            m_tables.documentCodePage = param;
        break;
    case Word::DefaultFont:
        m_tables.defaultFont = param;
        break;
    case Word::Charset:
        if (destination == Destination::FontTable)
            m_tableBuilder.setFontCodePage(codepage::fromCharset(param));
        break;
    case Word::CodePage:
        if (destination == Destination::FontTable && param > 0)
            m_tableBuilder.setFontCodePage(param);
        break;
    case Word::Red:
    case Word::Green:
    case Word::Blue:
        if (destination == Destination::ColorTable)
            m_tableBuilder.setColorComponent(word == Word::Red ? 0 : word == Word::Green ? 1 : 2, param);
        break;
    case Word::UnicodeSkip:
        m_state.unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
        break;
    case Word::Unicode:
        if (hasParam)
            emitUnicode(param);
        break;
    case Word::Binary:
        skipBinary(hasParam ? param : 0);
        break;
    case Word::Plain:
        chars = CharState{};
        break;
    case Word::Font:
        if (destination == Destination::FontTable)
            m_tableBuilder.beginFont(param);
        else
            chars.font = param;
        break;
    case Word::FontSize:
        chars.halfPoints = hasParam && param > 0 ? std::min(param, kMaxHalfPoints) : CharState{}.halfPoints;
        break;
    case Word::Bold: chars.bold = switchedOn(hasParam, param); break;
    case Word::Italic: chars.italic = switchedOn(hasParam, param); break;
    case Word::Underline: chars.underline = switchedOn(hasParam, param); break;
    case Word::UnderlineNone: chars.underline = false; break;
    case Word::Strike: chars.strike = switchedOn(hasParam, param); break;
    case Word::Hidden: chars.hidden = switchedOn(hasParam, param); break;
    case Word::Foreground: chars.foreground = param; break;
    case Word::Background: chars.background = param; break;
    case Word::Superscript: chars.vertical = switchedOn(hasParam, param) ? 1 : 0; break;
    case Word::Subscript: chars.vertical = switchedOn(hasParam, param) ? 2 : 0; break;
    case Word::NoSuperSub: chars.vertical = 0; break;
    case Word::ParagraphDefault: para = ParaState{}; break;
    case Word::AlignLeft: para.alignment = Alignment::Left; break;
    case Word::AlignCenter: para.alignment = Alignment::Center; break;
    case Word::AlignRight: para.alignment = Alignment::Right; break;
    case Word::AlignJustify: para.alignment = Alignment::Justify; break;
    case Word::LeftIndent: para.leftIndent = twips(param); break;
    case Word::RightIndent: para.rightIndent = twips(param); break;
    case Word::FirstIndent: para.firstIndent = twips(param); break;
    case Word::SpaceBefore: para.spaceBefore = twips(param); break;
    case Word::SpaceAfter: para.spaceAfter = twips(param); break;
    case Word::InTable: para.inTable = true; break;
    case Word::Paragraph:
        paragraphBreak();
        break;
    case Word::SoftBreak:
        // \sect, \page and \nestrow end a paragraph only if one is open,
        // so "\par\sect" does not add an empty paragraph.
        if (m_paragraphOpen)
            paragraphBreak();
        break;
    case Word::Cell:
        cellBreak();
        break;
    case Word::Row:
        rowBreak();
        break;
    case Word::Line: emitChar(QChar::LineSeparator); break;
    case Word::Tab:
    case Word::NestedCell: emitChar(u'\t'); break; // a table inside a cell is flattened
    case Word::EmDash: emitChar(0x2014); break;
    case Word::EnDash: emitChar(0x2013); break;
    case Word::LeftQuote: emitChar(0x2018); break;
    case Word::RightQuote: emitChar(0x2019); break;
    case Word::LeftDoubleQuote: emitChar(0x201C); break;
    case Word::RightDoubleQuote: emitChar(0x201D); break;
    case Word::Bullet: emitChar(0x2022); break;
    case Word::EmSpace: emitChar(0x2003); break;
    case Word::EnSpace: emitChar(0x2002); break;
    case Word::QuarterEmSpace: emitChar(0x2005); break;
    case Word::ZeroWidthJoiner: emitChar(0x200D); break;
    case Word::ZeroWidthNonJoiner: emitChar(0x200C); break;
    case Word::LeftToRightMark: emitChar(0x200E); break;
    case Word::RightToLeftMark: emitChar(0x200F); break;
    }
}

void Parser::textBytes()
{
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        ++m_pos;
        return;
    }
    const char *start = m_pos;
    if (m_state.destination == Destination::Text) {
        while (m_pos < m_end && classOf(*m_pos) == Plain)
            ++m_pos;
        if (m_pos < m_end && classOf(*m_pos) == Other) {
            while (m_pos < m_end && classOf(*m_pos) != Stop)
                ++m_pos;
            m_bytes.append(start, m_pos - start);
        } else if (m_bytes.isEmpty()) {
            emitLatin1(start, m_pos - start);
        } else {
            m_bytes.append(start, m_pos - start);
        }
        return;
    }

    // Table entries end with a raw ';'.
    while (m_pos < m_end && classOf(*m_pos) != Stop && *m_pos != ';')
        ++m_pos;
    if (m_state.destination == Destination::FontTable)
        m_bytes.append(start, m_pos - start);
    if (m_pos < m_end && *m_pos == ';') {
        ++m_pos;
        if (m_state.destination == Destination::FontTable) {
            flushBytes();
            m_tableBuilder.endFont();
        } else if (m_state.destination == Destination::ColorTable) {
            m_tableBuilder.endColor();
        }
    }
}

void Parser::enterSkip()
{
    m_state.destination = Destination::Skip;
    skipToGroupEnd();
}

void Parser::skipToGroupEnd()
{
    qsizetype depth = 0;
    while (m_pos < m_end) {
        switch (*m_pos) {
        case '{':
            ++depth;
            ++m_pos;
            break;
        case '}':
            if (depth == 0)
                return; // the main loop closes the group
            --depth;
            ++m_pos;
            break;
        case '\0':
            m_end = m_pos;
            return;
        case '\\': {
            ++m_pos;
            if (m_pos == m_end)
                return;
            if (!isLetter(*m_pos)) {
                ++m_pos; // \{ \} \\ and other symbols
                break;
            }
            const char *start = m_pos;
            while (m_pos < m_end && isLetter(*m_pos))
                ++m_pos;
            if (std::string_view(start, static_cast<std::size_t>(m_pos - start)) == "bin") {
                int count = 0;
                readNumber(&count);
                if (m_pos < m_end && *m_pos == ' ')
                    ++m_pos;
                skipBinary(count); // binary data may hold braces
            }
            break;
        }
        default:
            ++m_pos;
            break;
        }
    }
}

void Parser::skipBinary(int count)
{
    m_pos += std::clamp<qsizetype>(count, 0, m_end - m_pos);
}

void Parser::emitLatin1(const char *data, qsizetype size)
{
    if (m_state.listMarker) {
        while (size > 0 && *data == ' ') {
            ++data;
            --size;
        }
        if (size == 0)
            return;
        m_state.listMarker = false;
    }
    resolveSurrogate();
    if (m_state.destination == Destination::Text) {
        if (beginRun())
            m_run.append(QLatin1StringView(data, size));
    } else if (m_state.destination == Destination::FontTable) {
        m_tableBuilder.appendFontName(QLatin1StringView(data, size));
    }
}

void Parser::emitString(QStringView text)
{
    if (m_state.listMarker) {
        while (!text.isEmpty() && text.front() == u' ')
            text = text.mid(1);
        if (text.isEmpty())
            return;
        m_state.listMarker = false;
    }
    resolveSurrogate();
    if (m_state.destination == Destination::Text) {
        if (beginRun())
            m_run.append(text);
    } else if (m_state.destination == Destination::FontTable) {
        m_tableBuilder.appendFontName(text);
    }
}

void Parser::emitChar(char16_t ch)
{
    emitString(QStringView(&ch, 1));
}

void Parser::emitUnicode(int value)
{
    if (value < 0)
        value += 0x10000;
    char16_t ch = (value >= 0 && value <= 0xFFFF) ? static_cast<char16_t>(value) : char16_t(QChar::ReplacementCharacter);
    if (QChar::isHighSurrogate(ch)) {
        resolveSurrogate();
        m_highSurrogate = ch;
    } else if (QChar::isLowSurrogate(ch)) {
        if (m_highSurrogate) {
            const char16_t pair[2] = {std::exchange(m_highSurrogate, char16_t(0)), ch};
            emitString(QStringView(pair, 2));
        } else {
            emitChar(QChar::ReplacementCharacter);
        }
    } else if ((ch = sanitized(ch)) != 0) {
        emitChar(ch);
    }
    m_fallbackToSkip = m_state.unicodeSkip;
}

bool Parser::beginRun()
{
    if (m_state.chars.hidden)
        return false;
    openParagraph();
    if (m_state.chars != m_runChars) {
        flushRun();
        m_runChars = m_state.chars;
    }
    return true;
}

void Parser::openParagraph()
{
    if (m_paragraphOpen)
        return;
    m_sink->beginParagraph(m_state.para);
    m_paragraphOpen = true;
    m_paragraphInTable = m_state.para.inTable;
}

void Parser::resolveSurrogate()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        emitChar(QChar::ReplacementCharacter); // a high surrogate with no low one after it
    }
}

void Parser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_decoded.resize(0);
    m_decoder.decodeAppend(currentCodePage(), m_bytes, &m_decoded);
    m_bytes.resize(0);
    sanitize(&m_decoded);
    if (!m_decoded.isEmpty())
        emitString(m_decoded);
}

void Parser::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_sink->text(m_run, m_runChars);
    m_run.resize(0);
}

int Parser::currentCodePage() const
{
    int codePage = 0;
    if (m_state.destination == Destination::FontTable) {
        codePage = m_tableBuilder.fontCodePage();
    } else if (const FontEntry *font = m_tables.font(m_state.chars.font)) {
        codePage = font->codePage;
    }
    return codePage > 0 ? codePage : m_tables.documentCodePage;
}

void Parser::paragraphBreak()
{
    if (m_state.destination != Destination::Text)
        return;
    resolveSurrogate();
    openParagraph(); // "\par\par" holds an empty paragraph
    flushRun();
    m_sink->endParagraph(m_state.para);
    m_paragraphOpen = false;
    m_cellHasParagraph = m_paragraphInTable;
}

// A \cell closes a table cell only where the paragraph lies in a table; a
// stray one, as some writers leave outside tables, separates like a tab.
void Parser::cellBreak()
{
    if (m_state.destination != Destination::Text)
        return;
    if (!(m_paragraphOpen ? m_paragraphInTable : m_state.para.inTable)) {
        emitChar(u'\t');
        return;
    }
    resolveSurrogate();
    // An empty cell is still a cell, but a \par right before \cell (as
    // pandoc writes every cell) ends the cell's last paragraph, like the
    // final \par of a document, and adds no empty one.
    if (m_paragraphOpen || !m_cellHasParagraph)
        openParagraph();
    flushRun();
    m_sink->endCell(m_state.para);
    m_paragraphOpen = false;
    m_cellHasParagraph = false;
    m_rowOpen = true;
}

void Parser::rowBreak()
{
    if (m_state.destination != Destination::Text)
        return;
    // Text between the last \cell and \row belongs to one more cell.
    if (m_paragraphOpen && m_paragraphInTable)
        cellBreak();
    if (m_rowOpen) {
        m_sink->endRow();
        m_rowOpen = false;
    } else if (m_paragraphOpen) {
        paragraphBreak(); // a \row with no table cells before it only ends its line
    }
}

void Parser::finishDocument()
{
    if (m_state.destination == Destination::Text)
        resolveSurrogate();
    flushRun();
    if (m_paragraphOpen)
        m_sink->finishParagraph(m_state.para);
    else if (m_rowOpen)
        m_sink->endRow();
}

} // namespace halvora::rtf
