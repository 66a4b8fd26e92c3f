#include "DocumentPages.h"

#include "CancerPage.h"
#include "DocumentBox.h"
#include "PageNavigator.h"

#include <QAction>
#include <QMenuBar>
#include <QTextEdit>

namespace halvora::documents {

namespace {

// The disclaimer window's menu bar: three documents of the program folder,
// each reloaded whenever it is chosen, and Close.
struct MenuDocument {
    const char *name;
    const char *caption;
    const char *file;
};
constexpr MenuDocument disclaimerMenu[] = {
    {"mnuBack", "Disclaimer", "Disclaim.rtf"},
    {"mnuNextPage", "Licence Agreement", "CopyLiab.rtf"},
    {"cmdPrivacy", "Privacy Policy", "Privacy.rtf"},
};

void loadDisclaimer(PageWindow &page, PageNavigator &navigator)
{
    auto *box = page.control<QTextEdit>(QStringLiteral("rtfDisclaimer"));
    auto *menuBar = new QMenuBar(&page);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);
    for (const MenuDocument &item : disclaimerMenu) {
        QAction *action = menuBar->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        const QString path = navigator.programFolder().filePath(QString::fromLatin1(item.file));
        QObject::connect(action, &QAction::triggered, &page, [box, path] { openDocument(box, path); });
    }
    QAction *close = menuBar->addAction(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("mnuClose"));
    const QString id = page.pageId();
    QObject::connect(close, &QAction::triggered, &page, [&navigator, id] { navigator.closePage(id); });
    fillUnderMenuBar(page, box, menuBar);
    openDocument(box, navigator.programFolder().filePath(QString::fromLatin1(disclaimerMenu[0].file)));
}

// A built-in document: compiled into the program and shown as the window opens.
void showBuiltIn(PageWindow &page, const QString &boxName, const QString &document)
{
    openDocument(page.control<QTextEdit>(boxName), QStringLiteral(":/documents/") + document);
}

} // namespace

void registerPages(PageNavigator &navigator)
{
    navigator.addBehaviour(CancerPage::pageId, [&navigator](PageWindow &page) {
        CancerPage::load(page, navigator.programFolder());
    });
    navigator.addBehaviour(QStringLiteral("frmDisclaimer"), [&navigator](PageWindow &page) {
        loadDisclaimer(page, navigator);
    });
    navigator.addBehaviour(QStringLiteral("frmGlossary"), [](PageWindow &page) {
        showBuiltIn(page, QStringLiteral("rtfGlossary"), QStringLiteral("Glossary.rtf"));
    });
    navigator.addBehaviour(QStringLiteral("frmSources"), [](PageWindow &page) {
        showBuiltIn(page, QStringLiteral("rtfSources"), QStringLiteral("Sources.rtf"));
    });
}

} // namespace halvora::documents
