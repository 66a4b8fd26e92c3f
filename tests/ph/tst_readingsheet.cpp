#include "MessageBox.h"
#include "SheetDriver.h"
#include "WindowPrinter.h"

#include <QDate>
#include <QDir>
#include <QPushButton>
#include <QTest>

using halvora::MessageBox;
using halvora::WindowPrinter;

namespace {
const QString noEntries = QStringLiteral("There are no entries. Please, add pH values.");
} // namespace

class TestReadingSheet : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        MessageBox::takeRecorded();
        WindowPrinter::setRecording(true);
    }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void openingShowsTodayEmptyReadingsAndTheLogs()
    {
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\n\r\nWeek 2\r\n");
        program.start();
        QDir::setCurrent(QDir::tempPath());
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        halvora::PageWindow *window = program.window(SheetDriver::sheet);
        QCOMPARE(window->windowTitle(), QString("pH-Testing 3/3"));
        QCOMPARE(QDir::currentPath(), QDir(program.folder()).canonicalPath());
        QCOMPARE(sheet.box("txtDate")->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        for (const char *name : {"txtUrine1", "txtSaliva1", "txtSaliva2", "txtUrine2", "txtUrine3", "txtUrine4"})
            QCOMPARE(sheet.box(name)->text(), QString());
        QCOMPARE(sheet.shownComments(), QString("This area displays comments or log files."));
        QCOMPARE(sheet.logName(), QString("Select"));
        QVERIFY(!program.control(SheetDriver::sheet, "lblSelect")->isVisible());
        QVERIFY(!program.control(SheetDriver::sheet, "cmdGoTo")->isVisible());
        QCOMPARE(sheet.entries(), QStringList({"Week1", "", "Week 2"}));

        // The readings come first, in the order of the day.
        QWidget *w = sheet.box("txtUrine1");
        QStringList order;
        for (; order.size() < 6; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                order.append(w->objectName());
        }
        QCOMPARE(order, QStringList({"txtUrine1", "txtSaliva1", "txtSaliva2", "txtUrine2", "txtUrine3", "txtUrine4"}));
    }

    void evaluationShowsCommentsOrTheNoEntriesMessage_data()
    {
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QString>("comments");
        QTest::newRow("all empty") << QStringList() << noEntries;
        QTest::newRow("no rule met") << QStringList({"", "7.5"}) << noEntries;
        QTest::newRow("two blocks") << QStringList({"5", "", "8.5"})
                                    << QString("\r\n1. Urine: Reading is too low.\r\n"
                                               "Readings between 0 and 5 are too acidic to be ignored!\r\n"
                                               "However, Readings between 5 and 6 can be normal if they occur around 2 a.m.\r\n"
                                               "\r\n"
                                               "A second saliva reading between 8 and 9 is normal if taken a few minutes after a healthy breakfast.\r\n");
        QTest::newRow("blanks and a trailing zero") << QStringList({"", " 6.80 "}) << QString("\r\n1. Saliva: Reading of 6.8 to 7 is normal.\r\n");
    }
    void evaluationShowsCommentsOrTheNoEntriesMessage()
    {
        QFETCH(QStringList, readings);
        QFETCH(QString, comments);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TestProgram program;
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(readings);
        QVERIFY(program.click(SheetDriver::sheet, "cmdCommends"));
        QCOMPARE(sheet.comments(), comments);
        QCOMPARE(sheet.shownComments(), QString(comments).replace("\r\n", "\n"));
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void readingsAreReadInTheUsersNumberFormat()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TestProgram program;
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type({"", "6,8"});
        QVERIFY(program.click(SheetDriver::sheet, "cmdCommends"));
        QCOMPARE(sheet.comments(), QString("\r\n1. Saliva: Reading of 6.8 to 7 is normal.\r\n"));
    }

    void aBoxThatIsNotANumberIsPointedOutAndNothingIsEvaluated()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TestProgram program;
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type({"5", "", "", "six"});
        QVERIFY(program.click(SheetDriver::sheet, "cmdCommends"));
        const QStringList messages = MessageBox::takeRecorded();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("2. Urine") && messages.first().contains("\"six\""), qPrintable(messages.first()));
        QCOMPARE(sheet.shownComments(), QString("This area displays comments or log files."));

        sheet.box("txtUrine2")->setText("6.6");
        QVERIFY(program.click(SheetDriver::sheet, "cmdCommends"));
        QVERIFY(MessageBox::takeRecorded().isEmpty());
        QVERIFY(sheet.comments().endsWith("2. Urine: Reading is normal.\r\n"));
    }

    void clearKeepsTheDateAndTheLogName()
    {
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\n");
        program.writeFile("Week1.log", "10/12/2024\r\n1.Urine: 5    1.Saliva:     2.Saliva:     2.Urine:     3.Urine:     4.Urine: \r\n");
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.clickEntry(0);
        sheet.type({"5", "6.8", "8.5", "6.6", "6.8", "7"}, "Monday");
        QVERIFY(program.click(SheetDriver::sheet, "cmdClear"));
        for (const char *name : {"txtUrine1", "txtSaliva1", "txtSaliva2", "txtUrine2", "txtUrine3", "txtUrine4"})
            QCOMPARE(sheet.box(name)->text(), QString());
        QCOMPARE(sheet.comments(), QString());
        QCOMPARE(sheet.box("txtDate")->text(), QString("Monday"));
        QCOMPARE(sheet.logName(), QString("Week1"));
        QCOMPARE(sheet.entries(), QStringList({"Week1"}));
        QVERIFY(program.click(SheetDriver::sheet, "cmdCommends"));
        QCOMPARE(sheet.comments(), noEntries);
    }

    void printFormPrintsTheSheetOrSaysItCannot()
    {
        TestProgram program;
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        QVERIFY(program.click(SheetDriver::sheet, "cmdPrintForm"));
        QCOMPARE(WindowPrinter::takePrinted(), QStringList({"frmTesting5"}));
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        WindowPrinter::setFailing(true);
        QVERIFY(program.click(SheetDriver::sheet, "cmdPrintForm"));
        QVERIFY(WindowPrinter::takePrinted().isEmpty());
        QCOMPARE(MessageBox::takeRecorded(), QStringList({"The form can't be printed."}));
        QVERIFY(program.window(SheetDriver::sheet));
    }
};

QTEST_MAIN(TestReadingSheet)
#include "tst_readingsheet.moc"
