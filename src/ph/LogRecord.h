#pragma once

#include "DailyReadings.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace halvora::ph {

// One save of the readings sheet in a log: the date box's text on one line,
// the six labelled readings on the next, both ended by CR LF. Texts are
// written exactly as their boxes hold them.
class LogRecord
{
public:
    LogRecord(QString date, DailyReadings readings);

    QString text() const;
    // The record in the log's character set (Windows-1252), or nothing when
    // it holds a character that set cannot write.
    std::optional<QByteArray> encoded() const;

    // Text files of the logs are Windows-1252.
    static std::optional<QByteArray> encode(const QString &text);
    static QString decode(const QByteArray &bytes);

private:
    QString m_date;
    DailyReadings m_readings;
};

} // namespace halvora::ph
