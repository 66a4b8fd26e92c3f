#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace halvora {

// Every message of the program: a modal box titled "Halvora" with OK only and
// no icon. Tests switch on recording, so nothing blocks offscreen.
class MessageBox
{
public:
    static inline const QString title = QStringLiteral("Halvora");

    static void show(QWidget *parent, const QString &text);

    // Test hook: while recording, messages are collected instead of shown.
    static void setRecording(bool on);
    static QStringList takeRecorded();
};

} // namespace halvora
