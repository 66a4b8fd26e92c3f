#pragma once

namespace halvora {
class PageNavigator;
}

namespace halvora::support {

// The support request window: adds their behaviour to the navigator.
void registerPages(PageNavigator &navigator);

} // namespace halvora::support
