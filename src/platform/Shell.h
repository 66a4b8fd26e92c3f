#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace halvora {

// What the program asks of the desktop: open a file or web address with its
// registered program, or start another program without waiting for it.
// Tests switch on recording, so nothing is launched.
class Shell
{
public:
    static void openUrl(const QUrl &url);
    static bool startDetached(const QString &program, const QStringList &arguments);
    // First program of the list found on the search path, or empty.
    static QString findProgram(const QStringList &candidates);

    static void setRecording(bool on);
    static QList<QUrl> takeOpenedUrls();
    static QStringList takeStartedPrograms();
};

} // namespace halvora
