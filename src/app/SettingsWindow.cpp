#include "SettingsWindow.h"

#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "SafeFile.h"
#include "ScreenMode.h"
#include "Shell.h"
#include "rtf/RtfWriter.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace halvora {

namespace {

const QString pageId = QStringLiteral("frmSettings");

void chooseMode(PageNavigator &navigator, PageWindow &settings, const QString &digit, bool maximized, const QString &message)
{
    navigator.programFolder().makeCurrent();
    if (auto *holder = settings.control<QTextEdit>(QStringLiteral("rtfScreen"))) {
        // The holder keeps its design font, so the file has the same shape every time.
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8.5);
        holder->document()->setDefaultFont(font);
        holder->setPlainText(digit);
        // Replaced in one step, so a failed write never leaves an empty or half-written setting.
        const QString error = replaceFile(navigator.programFolder().filePath(QStringLiteral("Screen.txt")),
                                          RtfWriter::write(*holder->document()));
        if (!error.isEmpty())
            MessageBox::show(&settings, QStringLiteral("The screen setting could not be saved in the program folder (%1), "
                                                       "so it applies only until the program ends.")
                                            .arg(error));
    }
    navigator.setScreenModeText(digit);
    if (PageWindow *menu = navigator.mainMenu()) {
        menu->setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
        menu->show();
    }
    navigator.closePage(pageId);
    if (PageWindow *resize = navigator.openPage(QStringLiteral("frmResize"))) {
        if (auto *label = resize->control<QLabel>(QStringLiteral("lblResize")))
            label->setText(message);
    }
}

void removeProgram(PageNavigator &navigator, PageWindow &settings)
{
#ifdef Q_OS_WIN
    Shell::startDetached(QStringLiteral("rundll32.exe"), {QStringLiteral("shell32.dll,Control_RunDLL"), QStringLiteral("appwiz.cpl,,1")});
#else
    // Desktops without that panel: their software manager, if one is installed.
    const QString manager = Shell::findProgram({QStringLiteral("gnome-software"), QStringLiteral("plasma-discover")});
    if (!manager.isEmpty())
        Shell::startDetached(manager, {});
    else
        MessageBox::show(&settings, QStringLiteral("To remove Halvora, delete its program folder %1 "
                                                   "or use the package manager it was installed with.")
                                        .arg(QDir::toNativeSeparators(navigator.programFolder().path())));
#endif
    navigator.closePage(pageId);
    navigator.endProgram();
}

void setUp(PageNavigator &navigator, PageWindow &settings)
{
    auto connectButton = [&settings](const char *name, auto action) {
        if (auto *button = settings.control<QPushButton>(QString::fromLatin1(name)))
            QObject::connect(button, &QPushButton::clicked, &settings, action);
    };
    PageWindow *page = &settings;
    PageNavigator *nav = &navigator;
    connectButton("cmdMaximize", [nav, page] {
        chooseMode(*nav, *page, ScreenMode::maximizedDigit, true,
                   QStringLiteral("Next time you restart the program all pages will open maximized."));
    });
    connectButton("cmdMitte", [nav, page] {
        chooseMode(*nav, *page, ScreenMode::normalDigit, false,
                   QStringLiteral("Next time you restart the program all pages will open centered."));
    });
    connectButton("cmdAddRemove", [nav, page] { removeProgram(*nav, *page); });
    if (auto *first = settings.control<QPushButton>(QStringLiteral("cmdMitte")))
        first->setFocus();
}

} // namespace

void SettingsWindow::registerWith(PageNavigator &navigator)
{
    navigator.addBehaviour(pageId, [&navigator](PageWindow &page) { setUp(navigator, page); });
}

} // namespace halvora
