#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"
#include "WindowPrinter.h"

#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

using halvora::MessageBox;
using halvora::WindowPrinter;

namespace {
const QString notice = QStringLiteral(" (\u00A9 Tavrin Educational Software)");
const QString failure = QStringLiteral("This page could not be printed; please check the printer.");
} // namespace

// The twelve pages that print themselves, checked against their table.
class TestPagePrinting : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_program.start());
        WindowPrinter::setRecording(true);
        MessageBox::takeRecorded();
    }
    void cleanup()
    {
        m_program.stop();
        WindowPrinter::setRecording(true);
    }

    void printsWithItsTitle_data()
    {
        QTest::addColumn<QString>("pageId");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("topic");
        const QString avoid = QStringLiteral("Foods to avoid during therapy");
        for (const char *id : {"frmToAvoid", "frmToAvoid2", "frmToAvoid3"})
            QTest::newRow(id) << id << "Print" << avoid;
        for (const char *id : {"frmPhyto", "frmPhyto2", "frmPhyto3", "frmPhyto4", "frmPhyto5"})
            QTest::newRow(id) << id << "Print" << "Phytochemicals";
        QTest::newRow("frmPotassium") << "frmPotassium" << "Print" << "Potassium Profile";
        QTest::newRow("frmPotassium2") << "frmPotassium2" << "Print Form" << "Potassium Profile";
        for (const char *id : {"frmCoffeeEnema", "frmCoffeeEnema2"})
            QTest::newRow(id) << id << "Print" << "Coffee Enema Dialysis";
    }
    void printsWithItsTitle()
    {
        QFETCH(QString, pageId);
        QFETCH(QString, caption);
        QFETCH(QString, topic);
        halvora::PageWindow *page = m_program.navigator()->openPage(pageId);
        QVERIFY(page);
        const QString designTitle = page->windowTitle();
        auto *button = qobject_cast<QPushButton *>(m_program.control(pageId, "cmdPrint"));
        QVERIFY(button);
        QCOMPARE(button->text(), caption);

        QVERIFY(m_program.click(pageId, "cmdPrint"));
        QCOMPARE(WindowPrinter::takePrinted(), QStringList{pageId});
        QCOMPARE(page->windowTitle(), topic + notice);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
        // A second print keeps the title; a reopened page has its own again.
        QVERIFY(m_program.click(pageId, "cmdPrint"));
        QCOMPARE(page->windowTitle(), topic + notice);
        m_program.navigator()->closePage(pageId);
        QCOMPARE(m_program.navigator()->openPage(pageId)->windowTitle(), designTitle);
    }

    void aFailedPrintIsToldAndTheProgramGoesOn()
    {
        m_program.navigator()->openPage("frmPhyto3");
        WindowPrinter::setFailing(true);
        QVERIFY(m_program.click("frmPhyto3", "cmdPrint"));
        QCOMPARE(MessageBox::takeRecorded(), QStringList{failure});
        QVERIFY(m_program.mainMenu());
        QVERIFY(m_program.window("frmPhyto3")->isVisible());
    }

    // The real printing path on a machine with no printer set up.
    void noPrinterIsToldAndTheProgramGoesOn()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer; the test would print on it");
        WindowPrinter::setRecording(false);
        m_program.navigator()->openPage("frmPotassium2");
        QVERIFY(m_program.click("frmPotassium2", "cmdPrint"));
        QCOMPARE(MessageBox::takeRecorded(), QStringList{failure});
        QVERIFY(m_program.window("frmPotassium2")->isVisible());
    }

private:
    TestProgram m_program;
};

QTEST_MAIN(TestPagePrinting)
#include "tst_pageprinting.moc"
