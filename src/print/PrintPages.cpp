#include "PrintPages.h"

#include "PageNavigator.h"
#include "PrintWindow.h"
#include "ShoppingList.h"

#include <QCheckBox>
#include <QPushButton>

namespace halvora::print {

namespace {

const QString shoppingPage1 = QStringLiteral("frmSampleShopping");
const QString shoppingPage2 = QStringLiteral("frmSampleShopping2");
const QString shoppingPage3 = QStringLiteral("frmSampleShopping3");

void onClick(PageWindow &page, const QString &button, std::function<void()> action)
{
    if (auto *b = page.control<QPushButton>(button))
        QObject::connect(b, &QPushButton::clicked, &page, std::move(action));
}

// Adds the items ticked on a shopping page to the list in the print window.
void addTicked(PageWindow &page, int number, PrintWindow &list)
{
    list.setText(ShoppingList::addTicked(list.text(), number, [&page](const QString &check) {
        const auto *box = page.control<QCheckBox>(check);
        return box && box->isChecked();
    }));
}

void setUpShoppingPages(PageNavigator &navigator)
{
    PageNavigator *nav = &navigator;
    // Page 1 ">" starts the list afresh in the print window, loaded but not shown yet.
    navigator.addBehaviour(shoppingPage1, [nav](PageWindow &page) {
        onClick(page, QStringLiteral("cmdSampleShopping2"), [nav, &page] {
            if (PrintWindow *list = PrintWindow::load(*nav)) {
                list->setText(ShoppingList::start());
                addTicked(page, 1, *list);
            }
            nav->replacePage(shoppingPage2, page.pageId());
        });
    });
    // Page 2 ">" adds to the list; "<" only goes back, so items ticked here
    // again after going back and forth are added again.
    navigator.addBehaviour(shoppingPage2, [nav](PageWindow &page) {
        onClick(page, QStringLiteral("cmdSampleShopping3"), [nav, &page] {
            if (PrintWindow *list = PrintWindow::load(*nav))
                addTicked(page, 2, *list);
            nav->replacePage(shoppingPage3, page.pageId());
        });
    });
    // Page 3 "List" adds the last items and shows the list.
    navigator.addBehaviour(shoppingPage3, [nav](PageWindow &page) {
        onClick(page, QStringLiteral("cmdPrint"), [nav, &page] {
            if (PrintWindow *list = PrintWindow::load(*nav))
                addTicked(page, 3, *list);
            nav->replacePage(PrintWindow::pageId, page.pageId());
        });
    });
}

} // namespace

void registerPages(PageNavigator &navigator)
{
    navigator.addBehaviour(PrintWindow::pageId, [](PageWindow &page) { new PrintWindow(page); });
    setUpShoppingPages(navigator);
}

} // namespace halvora::print
