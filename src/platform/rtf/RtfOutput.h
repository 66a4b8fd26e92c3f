#pragma once

#include <QByteArray>
#include <QStringView>

namespace halvora::rtf {

// Appends RTF tokens, putting the delimiting space after a control word
// only where the next character needs it.
class Output
{
public:
    void control(const char *word);
    void control(const char *word, int param);
    void raw(const char *text); // structural text such as braces and CR LF
    void text(QStringView text);
    void fontName(QStringView name);

    QByteArray takeBytes() { return std::move(m_bytes); }

private:
    void character(char16_t ch, bool escapeSemicolon);
    void unicode(char16_t unit);
    void delimit();

    QByteArray m_bytes;
    bool m_needDelimiter = false;
};

} // namespace halvora::rtf
