#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace halvora::print {

// One item a reader can tick on the shopping pages: the check box that
// adds it and what it adds to the list.
struct ShoppingItem
{
    int page = 0;      // 1 to 3
    QString check;     // the check box's name on its page
    QString heading;
    QStringList lines; // one line, or two for the Breuss diet
};

// The shopping list as plain text with CR LF between lines: a title, then
// one block per ticked item, page by page in the order of the table.
class ShoppingList
{
public:
    static const QList<ShoppingItem> &items();

    // The list before anything is ticked: two empty lines and the title.
    static QString start();
    // The list with one more item's block at its end.
    static QString add(const QString &list, const ShoppingItem &item);
    // The list with the items of a page that are ticked, in table order.
    static QString addTicked(QString list, int page, const std::function<bool(const QString &check)> &isTicked);
};

} // namespace halvora::print
