#pragma once

#include <QString>

namespace halvora {
class PageNavigator;
}

namespace halvora::pages {

// Catalogue pages, section menus and indexes, encyclopedias and document pages: adds their behaviour to the navigator.
void registerPages(PageNavigator &navigator);

// Told when a page's "Print" button finds no printer or the printer fails.
inline const QString printFailed = QStringLiteral("This page could not be printed; please check the printer.");

} // namespace halvora::pages
