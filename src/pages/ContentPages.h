#pragma once

namespace halvora {
class PageNavigator;
}

namespace halvora::pages {

// Catalogue pages, section menus and indexes, encyclopedias and document pages: adds their behaviour to the navigator.
void registerPages(PageNavigator &navigator);

} // namespace halvora::pages
