#include "RtfOutput.h"

#include "RtfCodePage.h"

#include <QChar>

namespace halvora::rtf {

void Output::control(const char *word)
{
    m_bytes.append(word);
    m_needDelimiter = true;
}

void Output::control(const char *word, int param)
{
    m_bytes.append(word);
    m_bytes.append(QByteArray::number(param));
    m_needDelimiter = true;
}

void Output::raw(const char *text)
{
    m_bytes.append(text);
    m_needDelimiter = false;
}

void Output::text(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            unicode(ch);
            unicode(text[++i].unicode());
        } else if (QChar::isSurrogate(ch)) {
            unicode(QChar::ReplacementCharacter);
        } else {
            character(ch, false);
        }
    }
}

void Output::fontName(QStringView name)
{
    for (const QChar c : name) {
        if (!c.isSurrogate())
            character(c.unicode(), true);
    }
}

void Output::character(char16_t ch, bool escapeSemicolon)
{
    switch (ch) {
    case u'\\':
    case u'{':
    case u'}':
        m_bytes.append('\\');
        m_bytes.append(static_cast<char>(ch));
        m_needDelimiter = false;
        return;
    case u'\t':
        control("\\tab");
        return;
    case QChar::LineSeparator:
        control("\\line");
        return;
    case QChar::ParagraphSeparator:
    case QChar::ObjectReplacementCharacter:
    case 0xFDD0: // frame markers of QTextDocument
    case 0xFDD1:
    case 0x7F:
        return;
    default:
        break;
    }
    if (ch < 0x20)
        return;
    if (ch < 0x7F && !(escapeSemicolon && ch == u';')) {
        delimit();
        m_bytes.append(static_cast<char>(ch));
        return;
    }
    if (const auto byte = codepage::toWindows1252(ch)) {
        static constexpr char kHex[] = "0123456789abcdef";
        const auto b = static_cast<unsigned char>(*byte);
        m_bytes.append("\\'");
        m_bytes.append(kHex[b >> 4]);
        m_bytes.append(kHex[b & 0xF]);
        m_needDelimiter = false;
        return;
    }
    unicode(ch);
}

void Output::unicode(char16_t unit)
{
    // \uN takes a signed 16-bit number; '?' is the fallback for \uc1.
    m_bytes.append("\\u");
    m_bytes.append(QByteArray::number(static_cast<int>(static_cast<std::int16_t>(unit))));
    m_bytes.append('?');
    m_needDelimiter = false;
}

void Output::delimit()
{
    if (m_needDelimiter) {
        m_bytes.append(' ');
        m_needDelimiter = false;
    }
}

} // namespace halvora::rtf
