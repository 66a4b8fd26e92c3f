#pragma once

namespace halvora {
class PageNavigator;
}

namespace halvora::ph {

// The acid-base section: readings sheet, log dialogs and the section's pages: adds their behaviour to the navigator.
void registerPages(PageNavigator &navigator);

} // namespace halvora::ph
