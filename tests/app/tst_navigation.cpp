#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"
#include "WindowPrinter.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using halvora::PageWindow;

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void startShowsMainMenuWithMainPanelInFront()
    {
        TestProgram program;
        QWidget *menu = program.start();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("frmAAMenu"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Halvora"));
        QVERIFY(menu->isVisible());
        QVERIFY(menu->isMaximized());
        QTRY_VERIFY(program.control("frmAAMenu", "fraMenu")->isVisible());
        QVERIFY(program.navigator()->openPages().isEmpty());
        // Main panel above the research panel.
        QWidget *fraMenu = program.control("frmAAMenu", "fraMenu");
        QWidget *fraResearch = program.control("frmAAMenu", "fraResearch");
        const auto siblings = fraMenu->parentWidget()->children();
        QVERIFY(siblings.indexOf(fraMenu) > siblings.indexOf(fraResearch));
    }

    void panelSwapLeavesPagesAlone()
    {
        TestProgram program;
        program.start();
        program.navigator()->openPage("tstFirst");
        QVERIFY(program.click("frmAAMenu", "cmdResearch"));
        QVERIFY(program.control("frmAAMenu", "fraResearch")->isVisible());
        QVERIFY(!program.control("frmAAMenu", "fraMenu")->isVisible());
        QVERIFY(program.click("frmAAMenu", "cmdClose"));
        QVERIFY(program.control("frmAAMenu", "fraMenu")->isVisible());
        QVERIFY(!program.control("frmAAMenu", "fraResearch")->isVisible());
        QVERIFY(program.window("tstFirst"));
    }

    void openOnTopBringsAnOpenPageForward()
    {
        TestProgram program;
        program.start();
        PageWindow *first = program.navigator()->openPage("tstFirst");
        QVERIFY(first);
        QVERIFY(program.click("tstFirst", "lblSecond"));
        PageWindow *second = program.window("tstSecond");
        QVERIFY(second);
        QVERIFY(program.window("tstFirst")); // the page holding the link stays open
        QCOMPARE(program.navigator()->openPage("tstSecond"), second);
        QCOMPARE(program.navigator()->openPages(), QStringList({"tstFirst", "tstSecond"}));
    }

    void chainButtonsReplaceAndRebuildFromDesign()
    {
        TestProgram program;
        program.start();
        QPointer<PageWindow> first = program.navigator()->openPage("tstFirst");
        QVERIFY(program.click("tstFirst", "lblShowPanel"));
        QVERIFY(program.control("tstFirst", "fraPanel")->isVisible());

        QVERIFY(program.click("tstFirst", "cmdNext"));
        QVERIFY(program.window("tstSecond"));
        QVERIFY(!program.window("tstFirst"));
        flushDeletes();
        QVERIFY(first.isNull());

        QVERIFY(program.click("tstSecond", "cmdBack"));
        QVERIFY(!program.window("tstSecond"));
        // Built afresh: the panel shown before is hidden again.
        QVERIFY(program.window("tstFirst"));
        QVERIFY(!program.control("tstFirst", "fraPanel")->isVisible());
    }

    void closeSetClosesEveryListedPage()
    {
        TestProgram program;
        program.start();
        program.navigator()->openPage("tstSet");
        QVERIFY(program.click("tstSet", "cmdFirst"));
        QVERIFY(program.window("tstFirst"));
        QVERIFY(program.click("tstSet", "cmdClose")); // tstSecond is not open: nothing happens to it
        QVERIFY(program.navigator()->openPages().isEmpty());
        QVERIFY(program.mainMenu());
    }

    void screenModeAtLoad_data()
    {
        QTest::addColumn<QByteArray>("settingFile");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("pagesMaximized");

        QTest::newRow("no setting file") << QByteArray() << QString() << true;
        QTest::newRow("0") << TestProgram::settingFile("0") << "Screen.txt" << false;
        QTest::newRow("2") << TestProgram::settingFile("2") << "Screen.txt" << true;
        QTest::newRow("not a number") << TestProgram::settingFile("big") << "Screen.txt" << true;
        QTest::newRow("1 keeps the design state") << TestProgram::settingFile("1") << "Screen.txt" << true;
        QTest::newRow("lower-case name is not the setting") << TestProgram::settingFile("0") << "screen.txt" << true;
        QTest::newRow("not rich text") << QByteArray("0") << "Screen.txt" << true;
        QTest::newRow("empty file") << QByteArray() << "Screen.txt" << true;
    }
    void screenModeAtLoad()
    {
        QFETCH(QByteArray, settingFile);
        QFETCH(QString, fileName);
        QFETCH(bool, pagesMaximized);
        TestProgram program;
        if (!fileName.isEmpty())
            program.writeFile(fileName, settingFile);
        QWidget *menu = program.start();
        QCOMPARE(menu->isMaximized(), pagesMaximized);

        PageWindow *page = program.navigator()->openPage("tstFirst");
        QCOMPARE(page->isMaximized(), pagesMaximized);
        if (!pagesMaximized) {
            QCOMPARE(page->size(), QSize(792, 534)); // the design client area, 11880 by 8010 twips
            QCOMPARE(page->pos(), page->screen()->availableGeometry().topLeft());
        }
        // Windows with their own state ignore the setting.
        PageWindow *centred = program.navigator()->openPage("tstCentred");
        QVERIFY(!centred->isMaximized());
        QCOMPARE(centred->size(), QSize(792, 566));
        QVERIFY(program.navigator()->openPage("tstAlwaysMaximized")->isMaximized());
    }

    void sectionWindowsTakeTheMainTitle()
    {
        TestProgram program;
        program.start();
        QCOMPARE(program.navigator()->openPage("tstSection")->windowTitle(), QStringLiteral("Halvora"));
        QCOMPARE(program.navigator()->openPage("tstFirst")->windowTitle(), QStringLiteral("First page 1/2"));
    }

    void escapeClosesOnlyWhereDesigned()
    {
        TestProgram program;
        program.start();
        program.navigator()->openPage("tstFirst");
        PageWindow *section = program.navigator()->openPage("tstSection");
        program.control("tstSection", "txtBox")->setFocus();
        QTest::keyClick(program.control("tstSection", "txtBox"), Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(!program.window("tstSection"));
        Q_UNUSED(section)
        program.pressEscape("tstFirst");
        QVERIFY(program.window("tstFirst"));
        QVERIFY(program.mainMenu()->isVisible());
    }

    void endingTheProgramSkipsClosingSteps_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("main menu closed") << false;
        QTest::newRow("Escape on a page that ends the program") << true;
    }
    void endingTheProgramSkipsClosingSteps()
    {
        QFETCH(bool, byEscape);
        TestProgram program;
        program.start();
        QPointer<PageWindow> first = program.navigator()->openPage("tstFirst");
        QSignalSpy closingSteps(first.data(), &PageWindow::closing);
        QSignalSpy ended(program.navigator(), &halvora::PageNavigator::programEnded);
        if (byEscape) {
            program.navigator()->openPage("tstEscapeEnd");
            program.pressEscape("tstEscapeEnd");
        } else {
            program.mainMenu()->close();
        }
        QCOMPARE(ended.count(), 1);
        QCOMPARE(closingSteps.count(), 0);
        QVERIFY(!first->isVisible());
        flushDeletes();
        QVERIFY(first.isNull());
        QVERIFY(!program.mainMenu());
    }

    void closingAPageRunsItsClosingSteps()
    {
        TestProgram program;
        program.start();
        PageWindow *first = program.navigator()->openPage("tstFirst");
        QSignalSpy closingSteps(first, &PageWindow::closing);
        first->close(); // the close box
        QCOMPARE(closingSteps.count(), 1);
        QVERIFY(!program.window("tstFirst"));
        QVERIFY(program.mainMenu());
    }

    void contentHiddenUntilRescalingIsQuiet()
    {
        TestProgram program;
        program.start();
        PageWindow *page = program.navigator()->openPage("tstContentFrame");
        page->showNormal();
        auto *frame = page->findChild<QFrame *>("fraResize");
        QVERIFY(frame);
        QTRY_VERIFY(frame->isVisible());
        for (int i = 0; i < 5; ++i) {
            page->resize(900 + 20 * i, 600 + 10 * i);
            QVERIFY(!frame->isVisible());
        }
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), 2000);
        // The controls follow the window: the label grew with it.
        QVERIFY(page->findChild<QWidget *>("lblText")->width() > 5000 / 15);
    }

    void mainMenuContentRescales()
    {
        TestProgram program;
        program.writeFile("Screen.txt", TestProgram::settingFile("0"));
        QWidget *menu = program.start();
        QWidget *button = program.control("frmAAMenu", "cmdCancer");
        QCOMPARE(button->width(), 186); // 2790 twips
        const int fontBefore = button->font().pixelSize();
        menu->resize(792 * 2, 534 * 2);
        QCOMPARE(button->width(), 372);
        QCOMPARE(button->font().pixelSize(), fontBefore * 2);
    }

    // On a window wider than the design, text keeps the design measure (scaled
    // as its font is) and stands in the middle; blocks keep their design gaps;
    // a picture keeps its shape. At design size everything is where designed.
    void wideWindowKeepsTheMeasureAndTheShapes()
    {
        TestProgram program;
        program.start();
        halvora::PageWindow *page = program.navigator()->openPage("tstFlow");
        QVERIFY(page);
        const QSize design = page->size();
        auto geometry = [page](const char *name) { return page->findChild<QWidget *>(name)->geometry(); };
        const QRect first = geometry("lblFirst"), picture = geometry("picCells"), second = geometry("lblSecond");

        page->resize(qRound(design.width() * 2.4), design.height() * 2);
        const QRect wideFirst = geometry("lblFirst"), widePicture = geometry("picCells"), wideSecond = geometry("lblSecond");
        QVERIFY(qAbs(wideFirst.width() - first.width() * 2) <= 1);
        QVERIFY(qAbs(wideFirst.center().x() - page->width() / 2) <= 2);
        QVERIFY(qAbs(widePicture.width() * picture.height() - widePicture.height() * picture.width()) <= picture.width() + picture.height());
        QVERIFY(qAbs((widePicture.top() - wideFirst.bottom()) - 2 * (picture.top() - first.bottom())) <= 2);
        QVERIFY(qAbs((wideSecond.top() - widePicture.bottom()) - 2 * (second.top() - picture.bottom())) <= 2);

        page->resize(design);
        QCOMPARE(geometry("lblFirst"), first);
        QCOMPARE(geometry("picCells"), picture);
        QCOMPARE(geometry("lblSecond"), second);
    }

    void printButtonTitlesAndPrintsThePage()
    {
        TestProgram program;
        program.start();
        program.navigator()->openPage("tstPrint");
        QVERIFY(program.click("tstPrint", "cmdPrint"));
        const QString title = QStringLiteral("Printed topic (\u00A9 Tavrin Educational Software)");
        QCOMPARE(program.window("tstPrint")->windowTitle(), title);
        QCOMPARE(halvora::WindowPrinter::takePrinted(), QStringList{"tstPrint"});
        QVERIFY(halvora::MessageBox::takeRecorded().isEmpty());

        // A failed print is told, and the page and the program go on.
        halvora::WindowPrinter::setFailing(true);
        QVERIFY(program.click("tstPrint", "cmdPrint"));
        halvora::WindowPrinter::setFailing(false);
        QCOMPARE(halvora::MessageBox::takeRecorded(), QStringList{"This page could not be printed; please check the printer."});
        QCOMPARE(program.window("tstPrint")->windowTitle(), title);
        QVERIFY(program.mainMenu());
    }

    void toolbarWindowsExcludeOneAnother()
    {
        TestProgram program;
        program.start();
        program.navigator()->openPage("tstFirst");
        QVERIFY(program.click("frmAAMenu", "cmdSettings"));
        QVERIFY(program.window("frmSettings"));
        QVERIFY(program.click("frmAAMenu", "cmdAbout"));
        QVERIFY(!program.window("frmSettings"));
        PageWindow *about = program.window("frmAboutBox");
        QVERIFY(about);
        QVERIFY(program.click("frmAAMenu", "cmdAbout"));
        QCOMPARE(program.window("frmAboutBox"), about);
        QVERIFY(program.click("frmAboutBox", "cmdHistory"));
        QVERIFY(program.window("frmHistory"));
        QVERIFY(program.click("frmAAMenu", "cmdPrograms"));
        QVERIFY(!program.window("frmAboutBox"));
        QVERIFY(program.window("frmProgramsBooks"));
        // Pages outside the toolbar stay open.
        QVERIFY(program.window("tstFirst"));
        QVERIFY(program.window("frmHistory"));
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
