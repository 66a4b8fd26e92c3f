#include "ScreenMode.h"

namespace halvora {

ScreenMode::Reading ScreenMode::read(const QString &text)
{
    bool ok = false;
    // White space around the digits is ignored; the number format is the program's, not the user's.
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return Reading::NotANumber;
    if (value == 0)
        return Reading::Normal;
    if (value == 2)
        return Reading::Maximized;
    return Reading::DesignState;
}

bool ScreenMode::opensMaximized(Reading reading, bool designMaximized)
{
    switch (reading) {
    case Reading::Normal:
        return false;
    case Reading::Maximized:
    case Reading::NotANumber:
        return true;
    case Reading::DesignState:
        break;
    }
    return designMaximized;
}

} // namespace halvora
