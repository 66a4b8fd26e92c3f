#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using halvora::PageWindow;

namespace {

const QString causesIndex = QStringLiteral("frmCancerCausesIndex");

const QStringList chain = {
    "frmCancerCauses",   "frmCancerCauses0",  "frmCancerCauses00", "frmCancerCauses00a", "frmCancerCauses1",
    "frmCancerCauses2",  "frmCancerCauses3",  "frmCancerCauses4",  "frmCancerCauses5",   "frmCancerCauses6",
    "frmCancerCauses8",  "frmCancerCauses9",  "frmCancerCauses91", "frmCancerCauses92",  "frmCancerCauses93",
    "frmCancerCauses94", "frmCancerCauses95", "frmCancerCauses96", "frmCancerCauses97",
};

bool centredOnScreen(const QWidget *window)
{
    const QPoint offset = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return offset.manhattanLength() <= 40;
}

} // namespace

class TestCauses : public QObject
{
    Q_OBJECT
private slots:
    void indexEntryShowsItsPageThenClosesTheIndex_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        for (int row = 1; row <= 19; ++row) {
            const QString caption = QStringLiteral("Page %1:").arg(row, 2, 10, QLatin1Char(' '));
            QTest::addRow("row %d", row) << QStringLiteral("lblPage%1").arg(row) << caption << chain.at(row - 1);
        }
        QTest::newRow("next button") << "cmdNext" << ">" << "frmCancerCauses";
        // Row 15's title names part I of the series; a click on it opens row 15's own page.
        QTest::newRow("row 15 title") << "Label7" << QString() << "frmCancerCauses93";
    }
    void indexEntryShowsItsPageThenClosesTheIndex()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        TestProgram program;
        program.start();
        QVERIFY(program.navigator()->openPage(causesIndex));
        if (!caption.isEmpty()) {
            QWidget *entry = program.control(causesIndex, control);
            QVERIFY(entry);
            QCOMPARE(entry->property("text").toString(), caption);
        }

        QStringList events;
        connect(program.navigator(), &halvora::PageNavigator::pageOpened, this,
                [&events](const QString &id) { events << "open " + id; });
        connect(program.navigator(), &halvora::PageNavigator::pageClosed, this,
                [&events](const QString &id) { events << "close " + id; });
        QVERIFY(program.click(causesIndex, control));
        QCOMPARE(events, QStringList({"open " + target, "close " + causesIndex}));
        QCOMPARE(program.navigator()->openPages(), QStringList({target}));
    }

    void firstPageBackOpensTheIndexAndStaysOpen()
    {
        TestProgram program;
        program.start();
        program.navigator()->openPage("frmCancerCauses");
        QVERIFY(program.click("frmCancerCauses", "cmdBack"));
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmCancerCauses", causesIndex}));

        // Reading on from the causesIndex leaves page 1 where it was.
        QVERIFY(program.click(causesIndex, "lblPage2"));
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmCancerCauses", "frmCancerCauses0"}));
    }

    void page13OpensCentredWhateverTheSetting_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<bool>("neighboursMaximized");
        QTest::newRow("normal windows") << TestProgram::settingFile("0") << false;
        QTest::newRow("maximized windows") << TestProgram::settingFile("2") << true;
    }
    void page13OpensCentredWhateverTheSetting()
    {
        QFETCH(QByteArray, setting);
        QFETCH(bool, neighboursMaximized);
        TestProgram program;
        program.writeFile("Screen.txt", setting);
        program.start();
        program.navigator()->openPage(causesIndex);
        QVERIFY(program.click(causesIndex, "lblPage13"));

        PageWindow *page13 = program.window("frmCancerCauses91");
        QVERIFY(page13);
        QVERIFY(!page13->isMaximized());
        QCOMPARE(page13->size(), QSize(792, 566)); // 11880 by 8490 twips
        QVERIFY(centredOnScreen(page13));

        QVERIFY(program.click("frmCancerCauses91", "cmdNext"));
        QVERIFY(!program.window("frmCancerCauses91"));
        PageWindow *page14 = program.window("frmCancerCauses92");
        QVERIFY(page14);
        QCOMPARE(page14->isMaximized(), neighboursMaximized);

        QVERIFY(program.click("frmCancerCauses92", "cmdBack"));
        QCOMPARE(program.navigator()->openPages(), QStringList({"frmCancerCauses91"}));
        page13 = program.window("frmCancerCauses91");
        QVERIFY(!page13->isMaximized());
        QVERIFY(centredOnScreen(page13));
    }
};

QTEST_MAIN(TestCauses)
#include "tst_causes.moc"
