#include "ContentPages.h"

#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "WindowPrinter.h"

namespace halvora::pages {

void registerPages(PageNavigator &navigator)
{
    // The "Print" buttons of the catalogue print their page as it looks on the screen;
    // a page that cannot be printed says so and stays as it is.
    navigator.setPrintHandler([](PageWindow &page) {
        if (!WindowPrinter::print(&page))
            MessageBox::show(&page, printFailed);
    });
}

} // namespace halvora::pages
