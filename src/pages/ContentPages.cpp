#include "ContentPages.h"

#include "PageNavigator.h"

namespace halvora::pages {

void registerPages(PageNavigator &navigator)
{
    Q_UNUSED(navigator)
}

} // namespace halvora::pages
