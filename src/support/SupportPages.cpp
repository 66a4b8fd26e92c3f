#include "SupportPages.h"

#include "PageNavigator.h"

namespace halvora::support {

void registerPages(PageNavigator &navigator)
{
    Q_UNUSED(navigator)
}

} // namespace halvora::support
