#include "Startup.h"

#include "MainMenu.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "SettingsWindow.h"
#include "documents/DocumentPages.h"
#include "drugs/DrugPages.h"
#include "encyclopedias/EncyclopediaPages.h"
#include "ph/PhPages.h"
#include "print/PrintPages.h"
#include "support/SupportPages.h"

namespace halvora {

QWidget *start(const QString &programFolder)
{
    auto *navigator = new PageNavigator(ProgramFolder(programFolder));
    navigator->registerDesigns();
    SettingsWindow::registerWith(*navigator);
    encyclopedias::registerPages(*navigator);
    drugs::registerPages(*navigator);
    ph::registerPages(*navigator);
    print::registerPages(*navigator);
    support::registerPages(*navigator);
    documents::registerPages(*navigator);

    PageWindow *menu = MainMenu::start(*navigator);
    if (!menu) {
        delete navigator;
        return nullptr;
    }
    // The navigator, and with it every open page, lives as long as the main menu.
    navigator->setParent(menu);
    return menu;
}

} // namespace halvora
