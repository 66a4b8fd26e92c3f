#include "SafeFile.h"

#include <QFile>
#include <QSaveFile>

namespace halvora {

QString replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A write can fail only when the buffer is flushed (a full disk, a size
    // limit); commit() would not notice and would put a cut-off file in place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

BoundedRead readBounded(const QString &path, qint64 limit)
{
    BoundedRead result;
    QFile file(path);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = BoundedRead::Status::Unreadable;
        return result;
    }
    // The size a file reports is checked first so that a huge file costs
    // nothing; reading one byte past the limit also catches files whose
    // size is not known in advance.
    if (file.size() > limit) {
        result.status = BoundedRead::Status::TooLarge;
        return result;
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        result.status = BoundedRead::Status::TooLarge;
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = BoundedRead::Status::Unreadable;
        return result;
    }
    result.status = BoundedRead::Status::Read;
    result.bytes = std::move(bytes);
    return result;
}

QString tooLargeSentence(const QString &fileName)
{
    return QStringLiteral("The file %1 is too large to be one of this program's own files, so it was not read "
                          "and is left as it is.")
        .arg(fileName);
}

} // namespace halvora
