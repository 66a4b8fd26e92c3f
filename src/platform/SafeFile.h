#pragma once

#include <QByteArray>
#include <QString>

namespace halvora {

// Replaces a file's whole content in one step: a failed write leaves the
// earlier file exactly as it was. Returns the reason of a failure, or an
// empty string.
QString replaceFile(const QString &path, const QByteArray &bytes);

// The largest file the program accepts for each file a person could replace.
// The program itself writes a few bytes a day to a log and a few a name to
// the index, so anything far larger was copied in by mistake.
namespace FileLimit {
inline constexpr qint64 settings = 1 << 20;  // Screen.txt
inline constexpr qint64 logIndex = 1 << 20;  // LogNames.txt
inline constexpr qint64 log = 8 << 20;       // a .log file: centuries of daily records
inline constexpr qint64 document = 16 << 20; // a rich-text document of the document windows
} // namespace FileLimit

// A whole file read only when it is no larger than a limit: an oversized
// file is neither loaded nor touched.
struct BoundedRead
{
    enum class Status { Read, Missing, Unreadable, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes;

    bool ok() const { return status == Status::Read; }
};
BoundedRead readBounded(const QString &path, qint64 limit);

// The one sentence that tells the reader a file is too large to be the program's own.
QString tooLargeSentence(const QString &fileName);

} // namespace halvora
