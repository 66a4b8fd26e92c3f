#pragma once

#include <QStringList>

class QWidget;

namespace halvora {

// Prints the image of a window, as it looks now, on the default printer,
// scaled to fit the page. Tests switch on recording, so nothing reaches a
// printer; they can also make printing fail.
class WindowPrinter
{
public:
    // False when there is no default printer or printing failed.
    static bool print(QWidget *window);

    static void setRecording(bool on);
    // While recording: every print reports failure.
    static void setFailing(bool on);
    // Object names of the windows printed while recording.
    static QStringList takePrinted();
};

} // namespace halvora
