#pragma once

namespace halvora {
class PageNavigator;
}

namespace halvora::drugs {

// The anticancer drug database page: adds their behaviour to the navigator.
void registerPages(PageNavigator &navigator);

} // namespace halvora::drugs
