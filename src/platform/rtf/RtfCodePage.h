#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <optional>

namespace halvora::rtf {

// Windows code pages used by RTF: \ansicpg, \cpg, and \fcharset mapped onto them.
namespace codepage {
inline constexpr int Symbol = 42;
int fromCharset(int charset);
// Byte for `ch` in Windows-1252, if it has one.
std::optional<char> toWindows1252(char16_t ch);
} // namespace codepage

// Decodes runs of code-page bytes. Windows-1252 (and the symbol charset) use
// a built-in table; other code pages go through QStringDecoder, and fall back
// to the built-in table where Qt cannot decode them.
class CodePageDecoder
{
public:
    void decodeAppend(int codePage, QByteArrayView bytes, QString *out);

private:
    QStringDecoder *decoderFor(int codePage);

    std::map<int, std::optional<QStringDecoder>> m_decoders;
};

} // namespace halvora::rtf
