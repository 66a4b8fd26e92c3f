#include "DrugPages.h"

#include "DrugBrowser.h"
#include "DrugFields.h"
#include "PageNavigator.h"

namespace halvora::drugs {

void registerPages(PageNavigator &navigator)
{
    navigator.addBehaviour(QStringLiteral("frmAnticancerDrugs"), [&navigator](PageWindow &page) {
        new DrugBrowser(page, navigator.programFolder().filePath(drugDatabaseFile));
    });
}

} // namespace halvora::drugs
