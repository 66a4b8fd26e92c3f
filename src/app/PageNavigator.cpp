#include "PageNavigator.h"

#include "MessageBox.h"
#include "PageWindow.h"
#include "ScreenMode.h"
#include "Twips.h"
#include "WindowPrinter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QScreen>
#include <QTextEdit>

Q_LOGGING_CATEGORY(lcNavigator, "halvora.navigator")

namespace halvora {

namespace {

const QString publisherNotice = QStringLiteral("\u00A9 Tavrin Educational Software");

// Escape reaches a window whenever the focused control does not use the key
// itself (none of the controls on these windows does), whatever the shift state.
class EscapeFilter : public QObject
{
public:
    EscapeFilter(PageWindow *page, std::function<void()> action)
        : QObject(page)
        , m_action(std::move(action))
    {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_action();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

PageNavigator::PageNavigator(ProgramFolder folder, QObject *parent)
    : QObject(parent)
    , m_folder(std::move(folder))
    , m_builder(*this)
{
}

PageNavigator::~PageNavigator()
{
    for (const auto &page : std::as_const(m_open))
        delete page.data();
}

void PageNavigator::registerDesigns()
{
    const QStringList ids = PageDesign::availableIds();
    for (const QString &id : ids)
        registerPage(id);
}

void PageNavigator::registerPage(const QString &pageId)
{
    m_registered.insert(pageId);
}

void PageNavigator::addBehaviour(const QString &pageId, Behaviour behaviour)
{
    m_behaviours[pageId].append(std::move(behaviour));
}

QStringList PageNavigator::registeredPages() const
{
    QStringList ids(m_registered.begin(), m_registered.end());
    ids.sort();
    return ids;
}

void PageNavigator::setMainMenu(PageWindow *mainMenu)
{
    m_mainMenu = mainMenu;
    // Closing the main menu ends the program.
    connect(mainMenu, &PageWindow::closed, this, &PageNavigator::endProgram);
}

QString PageNavigator::screenModeText() const
{
    if (m_mainMenu) {
        if (auto *holder = m_mainMenu->control<QTextEdit>(QStringLiteral("rtfScreen")))
            return holder->toPlainText();
    }
    return ScreenMode::maximizedDigit;
}

void PageNavigator::setScreenModeText(const QString &digit)
{
    if (m_mainMenu) {
        if (auto *holder = m_mainMenu->control<QTextEdit>(QStringLiteral("rtfScreen")))
            holder->setPlainText(digit);
    }
}

PageWindow *PageNavigator::build(const QString &pageId)
{
    QString error;
    const auto design = PageDesign::load(pageId, &error);
    if (!design) {
        qCWarning(lcNavigator) << error;
        return nullptr;
    }
    PageWindow *page = m_builder.build(*design);
    switch (design->escape()) {
    case PageDesign::Escape::None:
        break;
    case PageDesign::Escape::Close:
        new EscapeFilter(page, [this, pageId] { closePage(pageId); });
        break;
    case PageDesign::Escape::CloseAndEnd:
        new EscapeFilter(page, [this, pageId] {
            closePage(pageId);
            endProgram();
        });
        break;
    }
    return page;
}

void PageNavigator::load(PageWindow &page)
{
    const PageDesign &design = page.design();
    const QRect screen = page.screen() ? page.screen()->availableGeometry() : QRect();
    if (design.placesTopLeft()) {
        page.move(screen.topLeft());
    } else if (design.centred()) {
        QRect r(QPoint(), page.frameGeometry().size());
        r.moveCenter(screen.center());
        page.move(r.topLeft());
    } else {
        page.move(screen.topLeft() + twips::toPixels(design.positionTwips()));
    }
    if (design.setsWorkingFolder())
        m_folder.makeCurrent();
    bool maximized = design.designMaximized();
    if (design.appliesScreenMode())
        maximized = ScreenMode::opensMaximized(ScreenMode::read(screenModeText()), maximized);
    page.setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
    if (design.takesMainTitle() && m_mainMenu)
        page.setWindowTitle(m_mainMenu->windowTitle());
    const auto behaviours = m_behaviours.value(design.id());
    for (const Behaviour &behaviour : behaviours)
        behaviour(page);
}

PageWindow *PageNavigator::openPage(const QString &pageId)
{
    PageWindow *window = loadPage(pageId);
    if (!window)
        return nullptr;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

PageWindow *PageNavigator::loadPage(const QString &pageId)
{
    if (m_ending)
        return nullptr;
    if (PageWindow *open = page(pageId))
        return open;
    PageWindow *built = m_registered.contains(pageId) ? build(pageId) : nullptr;
    if (!built) {
        qCWarning(lcNavigator) << "no window for" << pageId;
        MessageBox::show(m_mainMenu, tr("This page is not available in this edition of the book."));
        return nullptr;
    }
    m_open.insert(pageId, built);
    connect(built, &PageWindow::closed, this, &PageNavigator::forget);
    load(*built);
    emit pageOpened(pageId);
    return built;
}

void PageNavigator::replacePage(const QString &target, const QString &caller)
{
    openPage(target);
    if (target != caller)
        closePage(caller);
}

void PageNavigator::closePage(const QString &pageId)
{
    if (PageWindow *open = page(pageId))
        open->close();
}

void PageNavigator::closePageSet(const QString &pageId, const QStringList &others)
{
    closePage(pageId);
    for (const QString &other : others)
        closePage(other);
}

// A page's print button gives the page its printing title, which stays until
// the page closes, then prints the page as it looks on screen.
void PageNavigator::printPage(PageWindow *page)
{
    if (!page)
        return;
    const QString topic = page->design().json().value(QLatin1String("printTitle")).toString();
    if (!topic.isEmpty())
        page->setWindowTitle(QStringLiteral("%1 (%2)").arg(topic, publisherNotice));
    if (!WindowPrinter::print(page))
        MessageBox::show(page, tr("This page could not be printed; please check the printer."));
}

void PageNavigator::forget(const QString &pageId)
{
    if (m_open.remove(pageId) > 0)
        emit pageClosed(pageId);
}

void PageNavigator::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    const auto pages = std::exchange(m_open, {});
    for (const auto &open : pages) {
        if (open)
            open->discard();
    }
    if (m_mainMenu)
        m_mainMenu->discard();
    emit programEnded();
    QCoreApplication::exit(0);
}

PageWindow *PageNavigator::page(const QString &pageId) const
{
    if (m_mainMenu && m_mainMenu->pageId() == pageId)
        return m_mainMenu;
    return m_open.value(pageId).data();
}

QStringList PageNavigator::openPages() const
{
    QStringList ids;
    for (auto it = m_open.cbegin(); it != m_open.cend(); ++it) {
        if (it.value())
            ids.append(it.key());
    }
    ids.sort();
    return ids;
}

} // namespace halvora
