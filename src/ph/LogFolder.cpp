#include "LogFolder.h"

#include "LogRecord.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace halvora::ph {

namespace {

const QString forbiddenCharacters = QStringLiteral("\\/:*?\"<>|");
const QByteArray crLf = QByteArrayLiteral("\r\n");

// Names Windows keeps for devices, with or without an extension.
bool isDeviceName(const QString &name)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

} // namespace

LogFolder::LogFolder(QString folder)
    : m_folder(std::move(folder))
{
}

QString LogFolder::refusal(const QString &name)
{
    for (const QChar c : name) {
        if (forbiddenCharacters.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("A log name cannot contain any of the signs \\ / : * ? \" < > | or control characters. "
                                  "Please choose another name.");
    }
    if (name.contains(QLatin1String("..")))
        return QStringLiteral("A log name cannot contain two points in a row. Please choose another name.");
    if (name.size() > longestName)
        return QStringLiteral("A log name can have at most %1 characters. Please choose a shorter name.").arg(longestName);
    if (isDeviceName(name))
        return QStringLiteral("%1 is a name Windows keeps for a device. Please choose another name.").arg(name);
    if (!LogRecord::encode(name))
        return QStringLiteral("A log name can only use the letters and signs of Western European languages. "
                              "Please choose another name.");
    return {};
}

QString LogFolder::existingLogFile(const QString &name) const
{
    const QString wanted = name + extension;
    // A link could lead out of the folder; logs are plain files in it.
    const QStringList files = QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    if (files.contains(wanted, Qt::CaseSensitive))
        return wanted;
    for (const QString &file : files) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return file;
    }
    return {};
}

std::optional<QStringList> LogFolder::readIndex(QString *problem) const
{
    const BoundedRead file = readBounded(QDir(m_folder).filePath(indexFileName), FileLimit::logIndex);
    switch (file.status) {
    case BoundedRead::Status::Missing:
        return QStringList();
    case BoundedRead::Status::Unreadable:
        return std::nullopt;
    case BoundedRead::Status::TooLarge:
        if (problem)
            *problem = tooLargeSentence(indexFileName);
        return std::nullopt;
    case BoundedRead::Status::Read:
        break;
    }
    QString text = LogRecord::decode(file.bytes);
    if (text.isEmpty())
        return QStringList();
    // Every line is an entry, empty ones included; the last line end closes the last entry.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QString LogFolder::addToIndex(const QString &name) const
{
    const QString path = QDir(m_folder).filePath(indexFileName);
    const BoundedRead old = readBounded(path, FileLimit::logIndex);
    if (old.status == BoundedRead::Status::TooLarge)
        return tooLargeSentence(indexFileName);
    if (old.status == BoundedRead::Status::Unreadable)
        return QStringLiteral("%1 cannot be read").arg(indexFileName);
    QByteArray bytes = old.bytes;
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += crLf;
    const auto line = LogRecord::encode(name);
    if (!line)
        return QStringLiteral("the name cannot be written");
    bytes += *line + crLf;
    return replaceFile(path, bytes);
}

QString LogFolder::writeIndex(const QStringList &names) const
{
    QByteArray bytes;
    for (const QString &name : names) {
        const auto line = LogRecord::encode(name);
        if (!line)
            return QStringLiteral("the name %1 cannot be written").arg(name);
        bytes += *line + crLf;
    }
    return replaceFile(QDir(m_folder).filePath(indexFileName), bytes);
}

QString LogFolder::appendToLog(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(QDir(m_folder).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const qint64 oldSize = file.size();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (written) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return {};
    }
    const QString error = file.errorString();
    file.close();
    // A record written in part would corrupt the log: cut it back.
    QFile::resize(file.fileName(), oldSize);
    return error;
}

QString LogFolder::createLog(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(QDir(m_folder).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return file.errorString();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return {};
    const QString error = file.errorString();
    file.remove();
    return error;
}

QString LogFolder::deleteLog(const QString &fileName) const
{
    QFile file(QDir(m_folder).filePath(fileName));
    if (!file.remove())
        return file.errorString();
    return {};
}

std::optional<QString> LogFolder::readLog(const QString &fileName, QString *problem) const
{
    if (fileName.isEmpty())
        return std::nullopt;
    const BoundedRead file = readBounded(QDir(m_folder).filePath(fileName), FileLimit::log);
    if (file.status == BoundedRead::Status::TooLarge && problem)
        *problem = tooLargeSentence(fileName);
    if (!file.ok())
        return std::nullopt;
    return LogRecord::decode(file.bytes);
}

} // namespace halvora::ph
