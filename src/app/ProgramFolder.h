#pragma once

#include <QDir>
#include <QString>

namespace halvora {

// The folder the program runs from; every file it reads or writes lives here.
class ProgramFolder
{
public:
    ProgramFolder() = default;
    explicit ProgramFolder(const QString &path)
        : m_path(QDir(path).absolutePath())
    {
    }

    QString path() const { return m_path; }
    QString filePath(const QString &name) const { return QDir(m_path).filePath(name); }
    // Makes the program folder the working folder; relative names resolve against it.
    bool makeCurrent() const { return QDir::setCurrent(m_path); }

private:
    QString m_path;
};

} // namespace halvora
