#include "LogRecord.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace halvora::ph {

namespace {
const char *const codePage = "windows-1252";
const QString separator = QStringLiteral("    ");
const QString crLf = QStringLiteral("\r\n");
} // namespace

LogRecord::LogRecord(QString date, DailyReadings readings)
    : m_date(std::move(date))
    , m_readings(std::move(readings))
{
}

QString LogRecord::text() const
{
    QString line;
    for (int i = 0; i < readingCount; ++i) {
        if (i > 0)
            line += separator;
        line += QString::fromLatin1(readingInfo[std::size_t(i)].logLabel) + QStringLiteral(": ") + m_readings[std::size_t(i)];
    }
    return m_date + crLf + line + crLf;
}

std::optional<QByteArray> LogRecord::encoded() const
{
    return encode(text());
}

std::optional<QByteArray> LogRecord::encode(const QString &text)
{
    QStringEncoder encoder(codePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString LogRecord::decode(const QByteArray &bytes)
{
    QStringDecoder decoder(codePage);
    return decoder.decode(bytes);
}

} // namespace halvora::ph
