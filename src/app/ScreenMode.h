#pragma once

#include <QString>

namespace halvora {

// The display setting as the main menu holds it: text, read as a number when
// a window applies it. Four readings matter: 0 gives a normal window, 2 a
// maximized one, text that is no number also a maximized one (the setting's
// safe default), and any other number leaves the window's design state.
class ScreenMode
{
public:
    enum class Reading { Normal, Maximized, NotANumber, DesignState };

    static Reading read(const QString &text);
    // Whether a window whose design state is designMaximized ends up maximized.
    static bool opensMaximized(Reading reading, bool designMaximized);

    static inline const QString maximizedDigit = QStringLiteral("2");
    static inline const QString normalDigit = QStringLiteral("0");
};

} // namespace halvora
