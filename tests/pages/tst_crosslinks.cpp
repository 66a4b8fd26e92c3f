#include "PageNavigator.h"
#include "PageWindow.h"
#include "Placement.h"
#include "TestProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using halvora::PageWindow;

namespace {

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class TestCrossLinks : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_program.start()); }
    void cleanup()
    {
        m_program.stop();
        QFile::remove(m_program.filePath("Screen.txt"));
    }

    void linkOpensItsTarget_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("replaces");

        auto row = [](const char *page, const char *control, const char *caption, const char *target, bool replaces = false) {
            QTest::addRow("%s %s", page, control) << page << control << caption << target << replaces;
        };
        row("frmCancerCauses", "lblWarburg", "For more information on Cellular Respiration see Dr. Warburg", "frmWarburg");
        row("frmCancerCauses0", "lblWarburg", "Dr. Warburg", "frmWarburg");
        row("frmCancerCauses00", "lblDrCampbell", "For more on the 'China Study' see Dr. Campbell", "frmCampbell");
        row("frmCancerCauses1", "lblLivingston", "See Dr. Livingston-Wheeler on Vaccines and Diet", "frmLivingston");
        row("frmTraits", "lblGerson2", "See also: Gerson's Salt (Sodium) replacement", "frmGerson2");
        row("frmTraits", "lblSodiumPotassium", "See: Sodium-Potassium Balance", "frmSodiumPotassium");
        row("frmWarburg", "lblBudwig", "See Dr. Budwig for more on her diet.", "frmBudwig");
        row("frmWarburg", "lblWheatgrass", "See: Ann Wigmore / Wheatgrass juice", "frmWheatgrass");
        row("frmKrebs", "lblWheatgrass", "See: Wheatgrass juice", "frmWheatgrass");
        row("frmCombination", "lblGerson", "See: Gerson", "frmGerson");
        row("frmGerson1", "lblCoffeeEnema", "Also see: Coffee Enema Dialysis", "frmCoffeeEnema");
        row("frmGerson2", "lblAcidBase", "See: pH - Balance and Testing", "frmAcidBase");
        row("frmGerson2", "lblPotassium", "See: Potassium Profile", "frmPotassium");
        row("frmGerson2", "lblSodiumPotassium", "See: Sodium / Potassium", "frmSodiumPotassium");
        row("frmWheatgrass4", "lblAcidBase", "See: Acid/Base-Balance", "frmAcidBase");
        row("frmWheatgrass4", "lblBreuss", "See: Dr. Breuss", "frmBreuss");
        row("frmWheatgrass4", "lblToAvoid", "- See specific listings for Carcinogens", "frmToAvoid");
        row("frmWheatgrass5", "lblDrKrebs", "See: Laetrile", "frmKrebs");
        row("frmGriffinB17", "lblKrebs", "see Dr. Ernest Krebs", "frmKrebs");
        row("frmVitD3", "lblCampbell", "Also see: Implications of the China Study as conducted by Dr. T. Colin Campbell",
            "frmCampbell", true);
        row("frmContradictions2", "cmdReferences", "References", "frmQuestionsRef");
    }
    void linkOpensItsTarget()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        QFETCH(bool, replaces);
        if (!m_program.navigator()->isRegistered(page))
            QSKIP("pages not built yet");
        if (!m_program.navigator()->isRegistered(target))
            QSKIP("target not built yet");

        QVERIFY(m_program.navigator()->openPage(page));
        QWidget *widget = m_program.control(page, control);
        QVERIFY2(widget, qPrintable(control));
        if (auto *link = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(link->text(), caption);
            QVERIFY(link->font().italic());
            QVERIFY(link->font().underline());
            // Every link shows the hand, except the one on the combinations page.
            QCOMPARE(link->cursor().shape(), page == "frmCombination" ? Qt::ArrowCursor : Qt::PointingHandCursor);
        } else {
            QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
        }

        QVERIFY(m_program.click(page, control));
        PageWindow *opened = m_program.window(target);
        QVERIFY(opened);
        QCOMPARE(m_program.window(page) == nullptr, replaces);
        if (replaces)
            return;
        // A second click finds the target open and brings it forward instead of building another.
        const QStringList open = m_program.navigator()->openPages();
        QVERIFY(m_program.click(page, control));
        QCOMPARE(m_program.window(target), opened);
        QCOMPARE(m_program.navigator()->openPages(), open);
    }

    void bookPanelShowsAndHides()
    {
        PageWindow *page = m_program.navigator()->openPage("frmGriffinB17");
        QVERIFY(page);
        QWidget *panel = m_program.control("frmGriffinB17", "fraGriffinBook");
        QWidget *close = m_program.control("frmGriffinB17", "cmdClose");
        QVERIFY(!panel->isVisible());
        QVERIFY(close->isVisible());
        QCOMPARE(qobject_cast<QLabel *>(m_program.control("frmGriffinB17", "lblGriffinBook"))->text(),
                 QStringLiteral("see Book Information"));

        QVERIFY(m_program.click("frmGriffinB17", "lblGriffinBook"));
        QVERIFY(panel->isVisible());
        QVERIFY(!close->isVisible());
        // The panel lies above the page's text: the point in the middle of the panel belongs to it.
        QWidget *atCentre = page->childAt(panel->geometry().center());
        QVERIFY(atCentre == panel || panel->isAncestorOf(atCentre));

        QCOMPARE(qobject_cast<QPushButton *>(m_program.control("frmGriffinB17", "cmdCloseBookInfo"))->text(),
                 QStringLiteral("Close"));
        QVERIFY(m_program.click("frmGriffinB17", "cmdCloseBookInfo"));
        QVERIFY(!panel->isVisible());
        QVERIFY(close->isVisible());
        QVERIFY(m_program.window("frmGriffinB17"));

        // Every opening starts from the design: the panel is hidden again.
        QVERIFY(m_program.click("frmGriffinB17", "lblGriffinBook"));
        m_program.navigator()->closePage("frmGriffinB17");
        m_program.navigator()->openPage("frmGriffinB17");
        QVERIFY(!m_program.control("frmGriffinB17", "fraGriffinBook")->isVisible());
        QVERIFY(m_program.control("frmGriffinB17", "cmdClose")->isVisible());
    }

    // The references page belongs to the questions chain: its "<" leads there,
    // and the contradictions page that opened it stays open.
    void referencesLeadIntoTheQuestionsChain()
    {
        for (const char *id : {"frmQuestionsRef", "frmQuestions4"}) {
            if (!m_program.navigator()->isRegistered(id))
                QSKIP("pages not built yet");
        }
        m_program.navigator()->openPage("frmContradictions2");
        QVERIFY(m_program.click("frmContradictions2", "cmdReferences"));
        QVERIFY(m_program.window("frmQuestionsRef"));
        QVERIFY(m_program.click("frmQuestionsRef", "cmdBack"));
        QCOMPARE(m_program.navigator()->openPages(), QStringList({"frmContradictions2", "frmQuestions4"}));
    }

    void understandingLeadsToTheCausesIndex()
    {
        m_program.navigator()->openPage("frmUnderstanding");
        auto *button = qobject_cast<QPushButton *>(m_program.control("frmUnderstanding", "cmdCauses"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Researching: Causes of Cancer"));
        if (!m_program.navigator()->isRegistered("frmCancerCausesIndex"))
            QSKIP("target not built yet");
        QVERIFY(m_program.click("frmUnderstanding", "cmdCauses"));
        QVERIFY(m_program.window("frmCancerCausesIndex"));
        QVERIFY(m_program.window("frmUnderstanding"));
    }

    // Pages opened with the "centred" setting show which load steps they run.
    void pagesOpenWithTheirLoadSteps_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<bool>("setsWorkingFolder");
        QTest::addColumn<bool>("centred");

        QTest::newRow("standard") << "frmGerson" << false << false << false;
        QTest::newRow("standard, taller design") << "frmAntioxidants" << false << false << false;
        QTest::newRow("with working folder") << "frmCampbell3" << false << true << false;
        QTest::newRow("with working folder, stand-alone") << "frmChemoAndNatural" << false << true << false;
        QTest::newRow("screen mode only") << "frmUnderstanding" << false << false << false;
        QTest::newRow("design state: always maximized") << "frmVitD2" << true << false << false;
        QTest::newRow("design state: centred") << "frmStrategies" << false << false << true;
        QTest::newRow("section window") << "frmAlternatives" << false << true << false;
    }
    void pagesOpenWithTheirLoadSteps()
    {
        QFETCH(QString, page);
        QFETCH(bool, maximized);
        QFETCH(bool, setsWorkingFolder);
        QFETCH(bool, centred);
        m_program.writeFile("Screen.txt", TestProgram::settingFile("0"));
        QVERIFY(m_program.start());
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));

        PageWindow *window = m_program.navigator()->openPage(page);
        QVERIFY(window);
        QCOMPARE(window->isMaximized(), maximized);
        QCOMPARE(canonical(QDir::currentPath()) == canonical(m_program.folder()), setsWorkingFolder);
        if (centred)
            QVERIFY(nearlyCentred(window));
        else if (!maximized)
            QCOMPARE(window->pos(), window->screen()->availableGeometry().topLeft());
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

private:
    TestProgram m_program;
};

QTEST_MAIN(TestCrossLinks)
#include "tst_crosslinks.moc"
