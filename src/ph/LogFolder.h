#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvora::ph {

// The named logs in the program folder: one "<name>.log" file per log and the
// index LogNames.txt, one name a line. Names typed by the user never leave
// the folder, and a name that differs from a log's only in letter case is
// that log, as it is on Windows.
class LogFolder
{
public:
    static inline const QString indexFileName = QStringLiteral("LogNames.txt");
    static inline const QString extension = QStringLiteral(".log");
    static constexpr int longestName = 80;

    explicit LogFolder(QString folder);

    // Why a name cannot be a log name, or empty when it can. Blanks around
    // the name are not part of it (see logName()).
    static QString refusal(const QString &name);
    static QString logName(const QString &typed) { return typed.trimmed(); }

    // The file of an existing log: the exact name first, else one that
    // differs only in letter case. Empty when the folder holds none.
    QString existingLogFile(const QString &name) const;
    // The name of the log a file holds.
    static QString nameOfFile(const QString &fileName) { return fileName.chopped(extension.size()); }

    // The index's names in file order; empty when there is no index. Nothing
    // when the index exists but cannot be used (too large to be the program's
    // own, or unreadable): then it must not be rewritten either, and
    // *problem, if given, holds a sentence for the reader (empty when the
    // index was merely unreadable).
    std::optional<QStringList> readIndex(QString *problem = nullptr) const;
    // Adds a name as the last line of the index, creating it if need be; the
    // index is replaced in one step, so a failure leaves it as it was.
    // Returns an error text, empty on success.
    QString addToIndex(const QString &name) const;
    QString writeIndex(const QStringList &names) const;

    // Appends bytes to an existing log; on failure the log is cut back to its
    // old length, so its records stay as they were. Returns an error text.
    QString appendToLog(const QString &fileName, const QByteArray &bytes) const;
    // Creates a new log holding the bytes; on failure no file is left behind.
    QString createLog(const QString &fileName, const QByteArray &bytes) const;
    QString deleteLog(const QString &fileName) const;
    // The whole text of a log, or nothing when it cannot be read; a log too
    // large to be the program's own is not read and *problem says so.
    std::optional<QString> readLog(const QString &fileName, QString *problem = nullptr) const;

private:
    QString m_folder;
};

} // namespace halvora::ph
