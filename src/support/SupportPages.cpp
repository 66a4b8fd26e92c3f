#include "SupportPages.h"

#include "PageNavigator.h"
#include "SupportWindow.h"

namespace halvora::support {

void registerPages(PageNavigator &navigator)
{
    navigator.addBehaviour(SupportWindow::pageId, [&navigator](PageWindow &page) {
        new SupportWindow(page, navigator.programFolder());
    });
}

} // namespace halvora::support
