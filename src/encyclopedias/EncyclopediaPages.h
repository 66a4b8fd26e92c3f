#pragma once

namespace halvora {
class PageNavigator;
}

namespace halvora::encyclopedias {

// The encyclopedia pages: each gets its topic buttons from its topic table,
// and a click shows the topic's article.
void registerPages(PageNavigator &navigator);

} // namespace halvora::encyclopedias
