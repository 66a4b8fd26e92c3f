#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QAbstractButton>
#include <QScreen>
#include <QTest>

namespace {

const QString newsIndex = QStringLiteral("frmNewsIndex");
const QString causesIndex = QStringLiteral("frmCancerCausesIndex");

} // namespace

class TestNewsIndex : public QObject
{
    Q_OBJECT
private slots:
    void buttonShowsItsPageThenClosesTheIndex_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::newRow("page 1") << "cmdNews" << "News: Page 1" << "frmNews";
        QTest::newRow("page 2") << "cmdNews2" << "News: Page 2" << "frmNews2";
        QTest::newRow("page 3") << "cmdNews3" << "News: Page 3" << "frmNews3";
        QTest::newRow("page 4") << "cmdNews4" << "News: Page 4" << "frmNewsAllCancers";
        QTest::newRow("page 5") << "cmdNews5" << "News: Page 5" << "frmNewsBreast";
        QTest::newRow("page 6") << "cmdNews6" << "News: Page 6" << "frmNewsBreast2";
        QTest::newRow("page 7") << "cmdNewsStatistics" << "News: Page 7" << "frmNewsStatistics";
    }
    void buttonShowsItsPageThenClosesTheIndex()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        TestProgram program;
        QVERIFY(program.start());
        halvora::PageNavigator *navigator = program.navigator();
        // The other index is open too: only the news index may close.
        QVERIFY(navigator->openPage(causesIndex));
        QVERIFY(navigator->openPage(newsIndex));
        auto *control = qobject_cast<QAbstractButton *>(program.control(newsIndex, button));
        QVERIFY(control);
        QCOMPARE(control->text(), caption);

        QStringList events;
        connect(navigator, &halvora::PageNavigator::pageOpened, this, [&events](const QString &id) { events << "open " + id; });
        connect(navigator, &halvora::PageNavigator::pageClosed, this, [&events](const QString &id) { events << "close " + id; });
        QVERIFY(program.click(newsIndex, button));
        QCOMPARE(events, QStringList({"open " + target, "close " + newsIndex}));
        QCOMPARE(navigator->openPages(), QStringList({causesIndex, target}));
    }

    void anOpenTargetComesToTheFrontAndTheIndexStillCloses()
    {
        TestProgram program;
        QVERIFY(program.start());
        halvora::PageWindow *breast = program.navigator()->openPage("frmNewsBreast");
        QVERIFY(breast);
        QVERIFY(program.navigator()->openPage(newsIndex));
        QVERIFY(program.click(newsIndex, "cmdNews5"));
        QCOMPARE(program.window("frmNewsBreast"), breast);
        QVERIFY(!program.window(newsIndex));
    }

    void indexKeepsItsCaptionAndFollowsTheSetting_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal windows") << TestProgram::settingFile("0") << false;
        QTest::newRow("maximized windows") << TestProgram::settingFile("2") << true;
    }
    void indexKeepsItsCaptionAndFollowsTheSetting()
    {
        QFETCH(QByteArray, setting);
        QFETCH(bool, maximized);
        TestProgram program;
        program.writeFile("Screen.txt", setting);
        QVERIFY(program.start());
        halvora::PageWindow *index = program.navigator()->openPage(newsIndex);
        QVERIFY(index);
        // Unlike the section menus, the index does not take the main window's title.
        QCOMPARE(index->windowTitle(), QStringLiteral("Index / Statistics"));
        QCOMPARE(index->isMaximized(), maximized);
        if (!maximized)
            QCOMPARE(index->pos(), index->screen()->availableGeometry().topLeft());
    }
};

QTEST_MAIN(TestNewsIndex)
#include "tst_newsindex.moc"
