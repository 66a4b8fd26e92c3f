#include "PhPages.h"

#include "PageNavigator.h"

namespace halvora::ph {

void registerPages(PageNavigator &navigator)
{
    Q_UNUSED(navigator)
}

} // namespace halvora::ph
