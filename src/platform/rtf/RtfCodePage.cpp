#include "RtfCodePage.h"

#include <array>

namespace halvora::rtf {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to C1 controls
// as Windows itself does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const char *decoderName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 866: return "IBM866";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 20932: return "EUC-JP";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

void appendWindows1252(QByteArrayView bytes, bool symbol, QString *out)
{
    const qsizetype start = out->size();
    out->resize(start + bytes.size());
    QChar *dst = out->data() + start;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char16_t u = b;
        if (b >= 0x80 && b < 0xA0)
            u = kCp1252High[b - 0x80];
        else if (symbol && b == 0xB7)
            u = 0x2022; // the Symbol font's bullet, used by list text
        *dst++ = QChar(u);
    }
}

} // namespace

int codepage::fromCharset(int charset)
{
    switch (charset) {
    case 0: return 1252; // ANSI_CHARSET is Western, whatever \ansicpg says
    case 1: return 0;    // DEFAULT_CHARSET: the document's code page
    case 2: return Symbol;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

std::optional<char> codepage::toWindows1252(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        // The unassigned bytes decode to C1 controls; those are not written as bytes.
        if (kCp1252High[i] == ch && ch > 0x9F)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

QStringDecoder *CodePageDecoder::decoderFor(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it == m_decoders.end()) {
        std::optional<QStringDecoder> decoder;
        if (const char *name = decoderName(codePage)) {
            QStringDecoder d(name, QStringDecoder::Flag::Stateless);
            if (d.isValid())
                decoder.emplace(std::move(d));
        }
        it = m_decoders.emplace(codePage, std::move(decoder)).first;
    }
    return it->second ? &*it->second : nullptr;
}

void CodePageDecoder::decodeAppend(int codePage, QByteArrayView bytes, QString *out)
{
    if (codePage == 1252 || codePage == codepage::Symbol || codePage == 0) {
        appendWindows1252(bytes, codePage == codepage::Symbol, out);
        return;
    }
    if (QStringDecoder *decoder = decoderFor(codePage)) {
        decoder->resetState();
        out->append(decoder->decode(bytes));
        return;
    }
    appendWindows1252(bytes, false, out);
}

} // namespace halvora::rtf
