#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using halvora::MessageBox;

namespace {

// The pages that carry the bar and the name of the bar button that is the page's own.
struct BarPage {
    const char *page;
    const char *ownButton;
};
const BarPage barPages[] = {
    {"frmAcidBase", "cmdBalance"}, {"frmScale", "cmdScale"},     {"frmAlkalineAcid", "cmdAcidFood"},
    {"frmTesting", "cmdTesting"},  {"frmTesting3", "cmdTesting"}, {"frmControl", "cmdControl"},
    {"frmGlossaryPH", "cmdGlossary"}, {"frmSummary", "cmdSummary"},
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestSection : public QObject
{
    Q_OBJECT
private slots:
    void init() { MessageBox::takeRecorded(); }

    void theBarShowsTheSevenButtonsInOrder()
    {
        TestProgram program;
        program.start();
        QVERIFY(program.navigator()->openPage("frmControl"));
        const QStringList names{"cmdAcidBase", "cmdScale", "cmdAcidFood", "cmdTesting", "cmdControl", "cmdGlossary", "cmdSummary"};
        const QStringList captions{"Acid-Base Balance", "pH Scale", "Alkaline/Acid Food", "pH Testing", "pH Control", "Glossary", "Summary"};
        int right = 0;
        for (int i = 0; i < names.size(); ++i) {
            auto *button = qobject_cast<QPushButton *>(program.control("frmControl", names[i]));
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->y(), 0);
            QVERIFY(button->x() >= right);
            right = button->x() + button->width();
        }
        QVERIFY(!program.control("frmControl", "cmdBalance"));
    }

    void ownBarButtonSaysAlreadyOpen_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        for (const BarPage &p : barPages)
            QTest::newRow(p.page) << QString(p.page) << QString(p.ownButton);
    }
    void ownBarButtonSaysAlreadyOpen()
    {
        QFETCH(QString, page);
        QFETCH(QString, button);
        TestProgram program;
        program.start();
        QPointer<halvora::PageWindow> window = program.navigator()->openPage(page);
        QVERIFY(window);
        QVERIFY(program.click(page, button));
        QCOMPARE(MessageBox::takeRecorded(), QStringList({"Already open!"}));
        flushDeletes();
        QCOMPARE(program.window(page), window.data());
        QCOMPARE(program.navigator()->openPages(), QStringList({page}));
    }

    void otherBarButtonsOpenTheirPageAndCloseThisOne_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("hub to scale") << "frmAcidBase" << "cmdScale" << "frmScale";
        QTest::newRow("scale to food") << "frmScale" << "cmdAcidFood" << "frmAlkalineAcid";
        QTest::newRow("food to testing") << "frmAlkalineAcid" << "cmdTesting" << "frmTesting";
        QTest::newRow("testing to control") << "frmTesting" << "cmdControl" << "frmControl";
        QTest::newRow("second testing page to glossary") << "frmTesting3" << "cmdGlossary" << "frmGlossaryPH";
        QTest::newRow("control to hub") << "frmControl" << "cmdAcidBase" << "frmAcidBase";
        QTest::newRow("glossary to summary") << "frmGlossaryPH" << "cmdSummary" << "frmSummary";
        QTest::newRow("summary to hub") << "frmSummary" << "cmdBalance" << "frmAcidBase";
        QTest::newRow("sheet to food") << "frmTesting5" << "cmdAcidFood" << "frmAlkalineAcid";
    }
    void otherBarButtonsOpenTheirPageAndCloseThisOne()
    {
        QFETCH(QString, page);
        QFETCH(QString, button);
        QFETCH(QString, target);
        TestProgram program;
        program.start();
        QVERIFY(program.navigator()->openPage(page));
        QVERIFY(program.click(page, button));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({target}));
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void theSheetsTestingButtonDoesNothing()
    {
        TestProgram program;
        program.start();
        QVERIFY(program.navigator()->openPage("frmTesting5"));
        QVERIFY(program.click("frmTesting5", "cmdTesting"));
        flushDeletes();
        QVERIFY(MessageBox::takeRecorded().isEmpty());
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmTesting5"}));
    }

    void theTestingChainLeadsToTheSheetAndBack()
    {
        TestProgram program;
        program.start();
        QVERIFY(program.navigator()->openPage("frmTesting"));
        QVERIFY(program.click("frmTesting", "cmdTesting2"));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmTesting3"}));
        QVERIFY(program.click("frmTesting3", "cmdBack"));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmTesting"}));
        QVERIFY(program.click("frmTesting", "cmdTesting2"));
        QVERIFY(program.click("frmTesting3", "cmdTesting4"));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmTesting5"}));
        QVERIFY(program.click("frmTesting5", "cmdTesting4"));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmTesting3"}));
    }

    void theUricAcidLinkOpensOneWindowThatOutlivesItsCaller()
    {
        TestProgram program;
        program.start();
        QVERIFY(program.navigator()->openPage("frmTesting3"));
        QVERIFY(program.click("frmTesting3", "lblUricAcid"));
        QPointer<halvora::PageWindow> uric = program.window("frmUricAcid");
        QVERIFY(uric);
        QVERIFY(program.click("frmTesting3", "lblUricAcid"));
        QCOMPARE(program.window("frmUricAcid"), uric.data());
        program.navigator()->closePage("frmTesting3");
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmUricAcid"}));
    }

    void theSodiumPotassiumChain()
    {
        TestProgram program;
        program.start();
        QPointer<halvora::PageWindow> sodium = program.navigator()->openPage("frmSodiumPotassium");
        QVERIFY(sodium);
        QVERIFY(program.click("frmSodiumPotassium", "cmdPotassium"));
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmPotassium", "frmSodiumPotassium"}));
        // Back to a page that is still open brings that window forward.
        QVERIFY(program.click("frmPotassium", "cmdBack"));
        flushDeletes();
        QCOMPARE(program.window("frmSodiumPotassium"), sodium.data());
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmSodiumPotassium"}));

        QVERIFY(program.click("frmSodiumPotassium", "cmdPotassium"));
        QVERIFY(program.click("frmPotassium", "cmdPotassium2"));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmPotassium2", "frmSodiumPotassium"}));
        QVERIFY(program.click("frmPotassium2", "cmdPotassium"));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmPotassium", "frmSodiumPotassium"}));
        QVERIFY(program.click("frmPotassium", "cmdPotassium2"));
        QVERIFY(program.click("frmPotassium2", "cmdClose"));
        flushDeletes();
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmSodiumPotassium"}));
    }

    void theFoodListsShowTwentyTwoFoodsEachWithoutScrolling()
    {
        TestProgram program;
        program.start();
        program.navigator()->setScreenModeText("0"); // a normal window at its design size: the tightest fit
        halvora::PageWindow *page = program.navigator()->openPage("frmAlkalineAcid");
        QVERIFY(page);
        QVERIFY(!page->isMaximized());
        QTRY_VERIFY(page->contentFrame()->isVisible());
        for (const char *name : {"txtAlkaline1", "txtAlkaline2", "txtAcid1", "txtAcid2"}) {
            auto *list = qobject_cast<QPlainTextEdit *>(program.control("frmAlkalineAcid", name));
            QVERIFY2(list, name);
            QCOMPARE(list->document()->blockCount(), 22);
            QTRY_VERIFY2(!list->verticalScrollBar()->isVisible(), name);
        }
    }

    void escapeEndsTheProgramOnlyOnTheFoodPage()
    {
        TestProgram program;
        program.start();
        QVERIFY(program.navigator()->openPage("frmScale"));
        QSignalSpy ended(program.navigator(), &halvora::PageNavigator::programEnded);
        program.pressEscape("frmScale");
        QVERIFY(program.window("frmScale"));
        QCOMPARE(ended.count(), 0);

        QVERIFY(program.navigator()->openPage("frmAlkalineAcid"));
        program.pressEscape("frmAlkalineAcid", Qt::ShiftModifier);
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestSection)
#include "tst_section.moc"
