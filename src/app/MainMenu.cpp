#include "MainMenu.h"

#include "PageNavigator.h"
#include "PageWindow.h"
#include "SafeFile.h"
#include "ScreenMode.h"
#include "rtf/RtfReader.h"

#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace halvora {

namespace {

const QString settingsFileName = QStringLiteral("Screen.txt");

// The five toolbar windows exclude one another when opened from the toolbar.
const QStringList toolbarWindows = {QStringLiteral("frmDisclaimer"), QStringLiteral("frmAboutBox"),
                                    QStringLiteral("frmSettings"), QStringLiteral("frmSupport"),
                                    QStringLiteral("frmProgramsBooks")};

void toolbarAction(PageNavigator &navigator, const QString &target)
{
    for (const QString &other : toolbarWindows) {
        if (other != target)
            navigator.closePage(other);
    }
    navigator.openPage(target);
}

// The name must match exactly: a lower-case "screen.txt" is not the setting file.
void readSetting(PageWindow &menu, const ProgramFolder &folder)
{
    const QStringList names = QDir(folder.path()).entryList(QDir::Files);
    if (!names.contains(settingsFileName, Qt::CaseSensitive))
        return;
    const BoundedRead file = readBounded(folder.filePath(settingsFileName), FileLimit::settings);
    if (!file.ok())
        return;
    auto *holder = menu.control<QTextEdit>(QStringLiteral("rtfScreen"));
    if (!holder)
        return;
    QTextDocument read;
    if (!RtfReader::read(file.bytes, &read).ok)
        return;
    holder->setPlainText(read.toPlainText());
}

} // namespace

PageWindow *MainMenu::start(PageNavigator &navigator)
{
    PageWindow *menu = navigator.build(QString::fromLatin1(pageId));
    if (!menu)
        return nullptr;
    navigator.setMainMenu(menu);

    const QHash<QString, QString> toolbar = {
        {QStringLiteral("cmdReadFirst"), QStringLiteral("frmDisclaimer")},
        {QStringLiteral("cmdAbout"), QStringLiteral("frmAboutBox")},
        {QStringLiteral("cmdSettings"), QStringLiteral("frmSettings")},
        {QStringLiteral("cmdSupport"), QStringLiteral("frmSupport")},
        {QStringLiteral("cmdPrograms"), QStringLiteral("frmProgramsBooks")},
    };
    for (auto it = toolbar.cbegin(); it != toolbar.cend(); ++it) {
        if (auto *button = menu->control<QPushButton>(it.key())) {
            const QString target = it.value();
            QObject::connect(button, &QPushButton::clicked, menu, [&navigator, target] { toolbarAction(navigator, target); });
        }
    }

    if (QScreen *screen = menu->screen())
        menu->move(screen->availableGeometry().topLeft());
    navigator.programFolder().makeCurrent();
    readSetting(*menu, navigator.programFolder());
    const bool maximized = ScreenMode::opensMaximized(ScreenMode::read(navigator.screenModeText()), menu->design().designMaximized());
    menu->setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
    menu->setWindowTitle(QStringLiteral("Halvora"));
    menu->show();
    return menu;
}

} // namespace halvora
