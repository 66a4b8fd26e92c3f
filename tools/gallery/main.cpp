// halvora-gallery --list            one line per window: page id, a tab, its caption after loading
// halvora-gallery DIR [PageId...]    DIR/<PageId>.png for the named (default: every) window at design size
// halvora-gallery --size 1280x1024 DIR [PageId...]   the same at another window size, rescaled
// A window named PageId:control is rendered after a click on that control (or a
// choice of that menu item), as
// DIR/<PageId>-<control>.png (an encyclopedia topic, a document link).
// frmPrint is rendered holding the shopping list with every item ticked.
#include "MainMenu.h"
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "Shell.h"
#include "Startup.h"
#include "Twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>

using namespace halvora;

namespace {

// The print window is shown as a reader finds it after ticking every item
// of the shopping list.
void fillShoppingList(PageNavigator &navigator)
{
    const std::pair<const char *, const char *> pages[] = {
        {"frmSampleShopping", "cmdSampleShopping2"},
        {"frmSampleShopping2", "cmdSampleShopping3"},
        {"frmSampleShopping3", "cmdPrint"},
    };
    for (const auto &[id, forward] : pages) {
        PageWindow *page = navigator.openPage(QString::fromLatin1(id));
        if (!page)
            return;
        for (QCheckBox *check : page->findChildren<QCheckBox *>())
            check->setChecked(true);
        if (auto *button = page->findChild<QPushButton *>(QString::fromLatin1(forward)))
            button->click();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs("usage: halvora-gallery --list | halvora-gallery DIR [PageId...]\n", stderr);
        return 2;
    }
    MessageBox::setRecording(true);
    Shell::setRecording(true);

    // A scratch copy of the program folder, so looking at pages changes nothing.
    QTemporaryDir scratch;
    const QDir built(QStringLiteral(HALVORA_PROGRAM_DIR));
    for (const QString &name : built.entryList(QDir::Files))
        QFile::copy(built.filePath(name), scratch.filePath(name));
    QWidget *menu = start(scratch.path());
    if (!menu)
        return 1;
    auto *navigator = menu->findChild<PageNavigator *>();
    const QStringList all = navigator->registeredPages();

    QTextStream out(stdout);
    if (args.first() == QLatin1String("--list")) {
        for (const QString &id : all) {
            PageWindow *page = navigator->openPage(id);
            out << id << '\t' << (page ? page->windowTitle() : QString()) << '\n';
            if (page && page != menu)
                navigator->closePage(id);
        }
        return 0;
    }

    QSize size;
    if (args.size() >= 2 && args.first() == QLatin1String("--size")) {
        args.removeFirst();
        const QStringList wh = args.takeFirst().split(QLatin1Char('x'));
        size = wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
        if (size.isEmpty()) {
            std::fputs("--size wants WIDTHxHEIGHT\n", stderr);
            return 2;
        }
    }
    if (args.isEmpty()) {
        std::fputs("usage: halvora-gallery [--size WxH] DIR [PageId...]\n", stderr);
        return 2;
    }
    const QDir dir(args.takeFirst());
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }
    const QStringList ids = args.isEmpty() ? all : args;
    int failures = 0;
    for (const QString &request : ids) {
        const QString id = request.section(QLatin1Char(':'), 0, 0);
        const QString control = request.section(QLatin1Char(':'), 1);
        if (id == QLatin1String("frmPrint"))
            fillShoppingList(*navigator);
        PageWindow *page = navigator->openPage(id);
        if (!page) {
            std::fprintf(stderr, "%s: no such window\n", qPrintable(id));
            ++failures;
            continue;
        }
        page->setWindowState(Qt::WindowNoState);
        page->resize(size.isEmpty() || page->design().fixedSize() ? twips::toPixels(page->design().clientTwips()) : size);
        QCoreApplication::processEvents();
        if (page->contentFrame())
            page->contentFrame()->show();
        if (!control.isEmpty()) {
            auto *target = page->findChild<QWidget *>(control);
            // A menu item is an action, not a control of its own.
            auto *action = target ? nullptr : page->findChild<QAction *>(control);
            if (!target && !action) {
                std::fprintf(stderr, "%s: no control %s\n", qPrintable(id), qPrintable(control));
                ++failures;
                if (page != menu)
                    navigator->closePage(id);
                continue;
            }
            if (action)
                action->trigger();
            else
                QTest::mouseClick(target, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        const QString file = dir.filePath(QString(request).replace(QLatin1Char(':'), QLatin1Char('-')) + QStringLiteral(".png"));
        if (!page->grab().save(file)) {
            std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(id), qPrintable(file));
            ++failures;
        }
        for (const QString &problem : page->diagnostics())
            std::fprintf(stderr, "%s: %s\n", qPrintable(id), qPrintable(problem));
        if (page != menu)
            navigator->closePage(id);
        out << file << '\n';
    }
    return failures == 0 ? 0 : 1;
}
