#include "MessageBox.h"
#include "SheetDriver.h"
#include "ph/LogRecord.h"

#include <QDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using halvora::MessageBox;
using halvora::ph::LogRecord;

namespace {

const QByteArray week1Record = "10/12/2024\r\n1.Urine: 5.5    1.Saliva: 6.8    2.Saliva: 8.5    2.Urine: 6.6    3.Urine: 6.8    4.Urine: 7\r\n";
const QStringList week1Readings{"5.5", "6.8", "8.5", "6.6", "6.8", "7"};

// What a user could see of the folder: its entries and the index's bytes.
QStringList folderState(const TestProgram &program)
{
    QStringList state = QDir(program.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    state.append(QString::fromLatin1(program.readFile("LogNames.txt").toHex()));
    return state;
}

} // namespace

class TestLogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { MessageBox::takeRecorded(); }

    void recordIsTwoLinesInTheLogCharacterSet()
    {
        QCOMPARE(LogRecord("10/12/2024", {"5.5", "6.8", "8.5", "6.6", "6.8", "7"}).encoded().value(), week1Record);
        // Boxes are written as they are: empty, with blanks, with any text.
        QCOMPARE(LogRecord("", {}).encoded().value(),
                 QByteArray("\r\n1.Urine:     1.Saliva:     2.Saliva:     2.Urine:     3.Urine:     4.Urine: \r\n"));
        QCOMPARE(LogRecord(QString::fromUtf8("déc. 10"), {" 6,8 ", "x"}).encoded().value(),
                 QByteArray("d\xe9" "c. 10\r\n1.Urine:  6,8     1.Saliva: x    2.Saliva:     2.Urine:     3.Urine:     4.Urine: \r\n"));
        QVERIFY(!LogRecord(QString::fromUtf8("10\u200f/12"), {}).encoded());
    }

    void savingANewLogThenAddingToIt()
    {
        TestProgram program;
        program.start();
        program.writeFile("LogNames.txt", "Older\r\n");
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        QCOMPARE(sheet.entries(), QStringList({"Older"}));
        sheet.type(week1Readings);

        QVERIFY(program.click(SheetDriver::sheet, "cmdSave"));
        QCOMPARE(sheet.edit(SheetDriver::saveDialog, "txtName")->text(), QString("Select"));
        QVERIFY(!sheet.edit(SheetDriver::saveDialog, "txtTest")->isVisible());
        sheet.saveAs("Week1");
        QCOMPARE(program.readFile("Week1.log"), week1Record);
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("Older\r\nWeek1\r\n"));
        QCOMPARE(sheet.entries(), QStringList({"Older", "Week1"}));
        QCOMPARE(sheet.saveStatus(), QString("\\Week1.log  .....file saved"));

        // The dialog stays open and reads the sheet again at the next save.
        sheet.type({"6", "", "", "", "", "7.1"}, "11/12/2024");
        sheet.saveAs("Week1");
        QCOMPARE(program.readFile("Week1.log"),
                 week1Record + "11/12/2024\r\n1.Urine: 6    1.Saliva:     2.Saliva:     2.Urine:     3.Urine:     4.Urine: 7.1\r\n");
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("Older\r\nWeek1\r\n"));
        QCOMPARE(sheet.entries(), QStringList({"Older", "Week1"}));
        QCOMPARE(sheet.saveStatus(), QString("Week1  ......file saved"));
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void blanksAroundANameAreNotPartOfIt()
    {
        TestProgram program;
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(week1Readings);
        sheet.saveAs("  Week1 ");
        QCOMPARE(program.readFile("Week1.log"), week1Record);
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("Week1\r\n"));
        sheet.clickEntry(0);
        QCOMPARE(sheet.comments(), QString::fromLatin1(week1Record));
    }

    void aMissingIndexIsCreatedAtTheFirstSave()
    {
        TestProgram program;
        QFile::remove(program.filePath("LogNames.txt"));
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        QVERIFY(sheet.entries().isEmpty());
        sheet.type(week1Readings);
        sheet.saveAs("Week1");
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("Week1\r\n"));
    }

    void choosingAnEntryShowsItsLog()
    {
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\nGone\r\n");
        program.writeFile("Week1.log", week1Record + week1Record);
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        QCOMPARE(sheet.logName(), QString("Select"));

        sheet.clickEntry(0);
        QCOMPARE(sheet.comments(), QString::fromLatin1(week1Record + week1Record));
        QCOMPARE(sheet.logName(), QString("Week1"));
        // An evaluation replaces the log's text; a double click brings it back.
        sheet.box("txtUrine1")->setText("7");
        QVERIFY(program.click(SheetDriver::sheet, "cmdCommends"));
        QCOMPARE(sheet.comments(), QString("\r\n1. Urine: Reading is within range.\r\n"));
        QListWidget *list = sheet.list();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(sheet.comments(), QString::fromLatin1(week1Record + week1Record));

        // A listed log without its file shows nothing.
        sheet.clickEntry(1);
        QCOMPARE(sheet.comments(), QString());
        QCOMPARE(sheet.logName(), QString("Gone"));
        QVERIFY(program.click(SheetDriver::sheet, "cmdSave"));
        QCOMPARE(sheet.edit(SheetDriver::saveDialog, "txtName")->text(), QString("Gone"));
    }

    void deletingRemovesTheDeletedLogsEntry()
    {
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\nWeek2\r\nWeek3\r\n");
        for (const char *name : {"Week1.log", "Week2.log", "Week3.log"})
            program.writeFile(name, week1Record);
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.clickEntry(0);
        QVERIFY(program.click(SheetDriver::sheet, "cmdDeleteLog"));
        QCOMPARE(sheet.edit(SheetDriver::deleteDialog, "txtLogName")->text(), QString("Week1"));

        // A name typed over the proposal: that log goes, and its entry, not the selected one.
        sheet.deleteLog("Week2");
        QVERIFY(!QFile::exists(program.filePath("Week2.log")));
        QVERIFY(QFile::exists(program.filePath("Week1.log")));
        QCOMPARE(sheet.entries(), QStringList({"Week1", "Week3"}));
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("Week1\r\nWeek3\r\n"));
        QCOMPARE(sheet.comments(), QString());
        QCOMPARE(qobject_cast<QLabel *>(program.control(SheetDriver::deleteDialog, "lblStatus"))->text(), QString("Done: Log deleted."));
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        const QStringList before = folderState(program);
        sheet.deleteLog("Week2");
        QCOMPARE(MessageBox::takeRecorded(), QStringList({"No log found."}));
        QCOMPARE(folderState(program), before);
        QCOMPARE(sheet.entries(), QStringList({"Week1", "Week3"}));

        // The next visit of the sheet reads the rewritten index.
        program.navigator()->closePage(SheetDriver::sheet);
        QVERIFY(sheet.open());
        QCOMPARE(sheet.entries(), QStringList({"Week1", "Week3"}));
    }

    void namesThatWouldLeaveTheFolderAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folder") << "../Week1";
        QTest::newRow("slash") << "logs/Week1";
        QTest::newRow("backslash") << "logs\\Week1";
        QTest::newRow("two points") << "..";
        QTest::newRow("colon") << "C:Week1";
        QTest::newRow("asterisk") << "Week*";
        QTest::newRow("question mark") << "Week?";
        QTest::newRow("quote") << "\"Week1\"";
        QTest::newRow("angle brackets") << "<Week1>";
        QTest::newRow("bar") << "Week|1";
        QTest::newRow("control character") << "Week\t1";
        QTest::newRow("device name") << "con";
        QTest::newRow("device name with extension") << "LPT1.txt";
        QTest::newRow("too long") << QString(81, 'w');
        QTest::newRow("outside the character set") << QString::fromUtf8("\u65e5\u8a18");
    }
    void namesThatWouldLeaveTheFolderAreRefused()
    {
        QFETCH(QString, name);
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\n");
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(week1Readings);
        const QStringList before = folderState(program);

        sheet.saveAs(name);
        QCOMPARE(MessageBox::takeRecorded().size(), 1);
        QCOMPARE(folderState(program), before);
        QVERIFY(!QFileInfo::exists(QDir(program.folder()).filePath(name + ".log")));
        QCOMPARE(sheet.entries(), QStringList({"Week1"}));
        QCOMPARE(sheet.saveStatus(), QString());
    }

    void aNameDifferingOnlyInCaseIsTheSameLog()
    {
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\n");
        program.writeFile("Week1.log", week1Record);
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(week1Readings);

        sheet.saveAs("WEEK1");
        QCOMPARE(program.readFile("Week1.log"), week1Record + week1Record);
        QVERIFY(!QDir(program.folder()).entryList().contains("WEEK1.log"));
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("Week1\r\n"));
        QCOMPARE(sheet.entries(), QStringList({"Week1"}));
        QCOMPARE(sheet.saveStatus(), QString("Week1  ......file saved"));

        sheet.deleteLog("week1");
        QVERIFY(!QFile::exists(program.filePath("Week1.log")));
        QVERIFY(sheet.entries().isEmpty());
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray());
    }

    void anEmptyNameIsTheLogNamedByItsExtensionOnly()
    {
        TestProgram program;
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(week1Readings);
        sheet.saveAs("");
        QCOMPARE(program.readFile(".log"), week1Record);
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("\r\n"));
        QCOMPARE(sheet.entries(), QStringList({""}));
        QCOMPARE(sheet.saveStatus(), QString("\\.log  .....file saved"));
    }

    void aLogThatCannotBeCreatedIsReportedAndNotListed()
    {
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\n");
        QVERIFY(QDir(program.folder()).mkdir("Week3.log"));
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(week1Readings);
        const QStringList before = folderState(program);

        sheet.saveAs("Week3");
        QCOMPARE(MessageBox::takeRecorded().size(), 1);
        QCOMPARE(folderState(program), before);
        QCOMPARE(sheet.entries(), QStringList({"Week1"}));
        QCOMPARE(sheet.saveStatus(), QString());
    }

    void anIndexThatCannotBeWrittenLeavesNoUnlistedLog()
    {
        TestProgram program;
        QFile::remove(program.filePath("LogNames.txt"));
        QVERIFY(QDir(program.folder()).mkdir("LogNames.txt"));
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(week1Readings);
        const QStringList before = folderState(program);

        sheet.saveAs("Week1");
        const QStringList messages = MessageBox::takeRecorded();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("LogNames.txt"), qPrintable(messages.first()));
        QCOMPARE(folderState(program), before);
        QVERIFY(sheet.entries().isEmpty());
    }

#ifdef Q_OS_LINUX
    void aFailedAppendKeepsTheRecordsSavedBefore()
    {
        TestProgram program;
        program.writeFile("LogNames.txt", "Week1\r\n");
        program.writeFile("Week1.log", week1Record);
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        sheet.type(week1Readings);
        QVERIFY(program.click(SheetDriver::sheet, "cmdSave"));

        // The system refuses to let files grow past a few bytes more than the log holds:
        // the record is written in part, then the write fails.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tight = saved;
        tight.rlim_cur = rlim_t(week1Record.size() + 10);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        sheet.saveAs("Week1");
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

        QCOMPARE(program.readFile("Week1.log"), week1Record);
        const QStringList messages = MessageBox::takeRecorded();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("unchanged"), qPrintable(messages.first()));
        QCOMPARE(sheet.saveStatus(), QString());
    }
#endif

    void dialogsStayOneEachAndCloseWithTheSheet()
    {
        TestProgram program;
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        QVERIFY(program.click(SheetDriver::sheet, "cmdSave"));
        QPointer<QWidget> save = program.window(SheetDriver::saveDialog);
        sheet.edit(SheetDriver::saveDialog, "txtName")->setText("Typed");
        QVERIFY(program.click(SheetDriver::sheet, "cmdSave"));
        QCOMPARE(program.window(SheetDriver::saveDialog), save.data());
        QCOMPARE(sheet.edit(SheetDriver::saveDialog, "txtName")->text(), QString("Typed"));
        QVERIFY(program.click(SheetDriver::sheet, "cmdDeleteLog"));
        QVERIFY(program.window(SheetDriver::deleteDialog));

        program.window(SheetDriver::sheet)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program.window(SheetDriver::saveDialog));
        QVERIFY(!program.window(SheetDriver::deleteDialog));
    }
};

QTEST_MAIN(TestLogs)
#include "tst_logs.moc"
