#pragma once

namespace halvora {
class PageNavigator;
}

namespace halvora::print {

// The print and save window and the shopping list pages: adds their behaviour to the navigator.
void registerPages(PageNavigator &navigator);

} // namespace halvora::print
