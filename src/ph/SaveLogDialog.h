#pragma once

#include <QString>

namespace halvora {
class PageNavigator;
class PageWindow;
} // namespace halvora

namespace halvora::ph {

// The save dialog over the readings sheet: each "Save File" adds one record
// of the sheet's current boxes to the named log, creating the log and listing
// it the first time.
class SaveLogDialog
{
public:
    static inline const QString pageId = QStringLiteral("frmTestingSaveLog");

    static void attach(PageWindow &dialog, PageNavigator &navigator);
};

} // namespace halvora::ph
