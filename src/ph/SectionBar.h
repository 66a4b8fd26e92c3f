#pragma once

#include <QString>

namespace halvora {
class PageNavigator;
class PageWindow;
} // namespace halvora

namespace halvora::ph {

// The row of seven buttons along the top of the acid-base pages. A button
// opens its page and closes the one that carries the bar; the button of the
// page itself says "Already open!".
class SectionBar
{
public:
    static inline const QString alreadyOpen = QStringLiteral("Already open!");

    static void install(PageWindow &page, PageNavigator &navigator);
    // Whether a page carries the bar.
    static bool isOn(const QString &pageId);
};

} // namespace halvora::ph
