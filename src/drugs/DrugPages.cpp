#include "DrugPages.h"

#include "PageNavigator.h"

namespace halvora::drugs {

void registerPages(PageNavigator &navigator)
{
    Q_UNUSED(navigator)
}

} // namespace halvora::drugs
