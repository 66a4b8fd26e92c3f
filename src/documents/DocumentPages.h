#pragma once

namespace halvora {
class PageNavigator;
}

namespace halvora::documents {

// The windows that show rich-text documents: "Conventional Knowledge", the
// disclaimer and licence window, the glossary and the sources.
void registerPages(PageNavigator &navigator);

} // namespace halvora::documents
