#pragma once

#include <QString>

namespace halvora {
class PageNavigator;
class PageWindow;
} // namespace halvora

namespace halvora::ph {

// The delete dialog over the readings sheet: deletes the named log's file and
// takes its entries out of the sheet's list and of the index.
class DeleteLogDialog
{
public:
    static inline const QString pageId = QStringLiteral("frmTestingDeleteLog");
    static inline const QString noLogFound = QStringLiteral("No log found.");
    static inline const QString done = QStringLiteral("Done: Log deleted.");

    static void attach(PageWindow &dialog, PageNavigator &navigator);
};

} // namespace halvora::ph
