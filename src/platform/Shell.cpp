#include "Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace halvora {

namespace {
bool s_recording = false;
QList<QUrl> &openedUrls()
{
    static QList<QUrl> list;
    return list;
}
QStringList &startedPrograms()
{
    static QStringList list;
    return list;
}
} // namespace

void Shell::openUrl(const QUrl &url)
{
    if (s_recording) {
        openedUrls().append(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

bool Shell::startDetached(const QString &program, const QStringList &arguments)
{
    if (s_recording) {
        startedPrograms().append((QStringList{program} + arguments).join(QLatin1Char(' ')));
        return true;
    }
    return QProcess::startDetached(program, arguments);
}

QString Shell::findProgram(const QStringList &candidates)
{
    for (const QString &name : candidates) {
        if (!QStandardPaths::findExecutable(name).isEmpty())
            return name;
    }
    return {};
}

void Shell::setRecording(bool on)
{
    s_recording = on;
    openedUrls().clear();
    startedPrograms().clear();
}

QList<QUrl> Shell::takeOpenedUrls()
{
    return std::exchange(openedUrls(), {});
}

QStringList Shell::takeStartedPrograms()
{
    return std::exchange(startedPrograms(), {});
}

} // namespace halvora
