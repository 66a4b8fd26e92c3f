#pragma once

#include "PageBuilder.h"
#include "PageWindow.h"
#include "ProgramFolder.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace halvora {


// The only way a page window is created, brought to the front or destroyed.
// Each page id has at most one window; a closed page is deleted, and opening
// it again builds it afresh from its design.
class PageNavigator : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageNavigator)
public:
    // Code a page runs after its common load steps: wiring its controls and
    // its own load work.
    using Behaviour = std::function<void(PageWindow &)>;

    explicit PageNavigator(ProgramFolder folder, QObject *parent = nullptr);
    ~PageNavigator() override;

    const ProgramFolder &programFolder() const { return m_folder; }
    const PageBuilder &builder() const { return m_builder; }

    // Registers every design compiled into the program.
    void registerDesigns();
    void registerPage(const QString &pageId);
    void addBehaviour(const QString &pageId, Behaviour behaviour);
    bool isRegistered(const QString &pageId) const { return m_registered.contains(pageId); }
    QStringList registeredPages() const;

    // The main menu holds the display setting and the title that pages read at load.
    void setMainMenu(PageWindow *mainMenu);
    PageWindow *mainMenu() const { return m_mainMenu; }
    QString screenModeText() const;
    void setScreenModeText(const QString &digit);

    PageWindow *openPage(const QString &pageId);
    // Builds and loads a page without showing it, for a window that its
    // caller fills before showing it; an open page is returned as it is.
    PageWindow *loadPage(const QString &pageId);
    void replacePage(const QString &target, const QString &caller);
    void closePage(const QString &pageId);
    void closePageSet(const QString &pageId, const QStringList &others);
    void printPage(PageWindow *page);

    // Ends the program: every window goes without its closing steps.
    void endProgram();
    bool isEnding() const { return m_ending; }

    PageWindow *page(const QString &pageId) const;
    QStringList openPages() const;

    // A window built from its design with its behaviour, neither loaded nor shown.
    PageWindow *build(const QString &pageId);
    // The common load steps of the page's design, then the page's behaviour.
    void load(PageWindow &page);

signals:
    void pageOpened(const QString &pageId);
    void pageClosed(const QString &pageId);
    void programEnded();

private:
    void forget(const QString &pageId);

    ProgramFolder m_folder;
    PageBuilder m_builder;
    QSet<QString> m_registered;
    QHash<QString, QList<Behaviour>> m_behaviours;
    QHash<QString, QPointer<PageWindow>> m_open;
    QPointer<PageWindow> m_mainMenu;
    bool m_ending = false;
};

} // namespace halvora
