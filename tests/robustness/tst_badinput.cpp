// Bad files and a read-only program folder, across the program: each ends in
// a clear message or the intended silence, and nothing is lost.
#include "MessageBox.h"
#include "SafeFile.h"
#include "../ph/SheetDriver.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTest>

#include <unistd.h>

namespace {

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(20261210);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

} // namespace

namespace {

// A file of that size made at once: its blocks are not written.
void makeSparse(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT
private slots:
    void unusableSettingFileIsIgnoredSilently_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << randomBytes(4096);
        QTest::newRow("huge") << QByteArray("{\\rtf1\\ansi 0") + QByteArray(8 << 20, ' ') + "}";
        QTest::newRow("unbalanced braces") << QByteArray("{\\rtf1\\ansi{{{{ 0");
        QTest::newRow("deeply nested") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "0";
    }
    void unusableSettingFileIsIgnoredSilently()
    {
        QFETCH(QByteArray, content);
        TestProgram program;
        program.writeFile("Screen.txt", content);
        QElapsedTimer timer;
        timer.start();
        QWidget *menu = program.start();
        QVERIFY(menu);
        QVERIFY(menu->isMaximized());
        QVERIFY(halvora::MessageBox::takeRecorded().isEmpty());
        // The file is left as it was.
        QCOMPARE(program.readFile("Screen.txt"), content);
    }

    void severalMegabyteLogOpensWhole()
    {
        TestProgram program;
        QByteArray log;
        for (int i = 0; log.size() < 5 * 1024 * 1024; ++i)
            log += QByteArray::number(i % 28 + 1) + " Nov 2026    1.Urine 6.4    1.Saliva 6.8    2.Saliva 7.0"
                   "    2.Urine 6.6    3.Urine 6.8    4.Urine 7.0\r\n";
        program.writeFile("Big.log", log);
        program.writeFile("LogNames.txt", "Big\r\n");
        program.start();
        QVERIFY(program.navigator()->openPage("frmTesting5"));
        auto *list = qobject_cast<QListWidget *>(program.control("frmTesting5", "lstLogNames"));
        QVERIFY(list);
        QCOMPARE(list->count(), 1);
        list->setCurrentRow(0);
        QCOMPARE(program.control("frmTesting5", "txtLog")->property("text").toString().toLatin1(), log);
        QCOMPARE(program.readFile("Big.log"), log);
        QVERIFY(halvora::MessageBox::takeRecorded().isEmpty());
    }

    // Each reader's limit: a file exactly at it is read, one byte more is not.
    void boundedReadAtAndOverEachLimit_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("setting file") << halvora::FileLimit::settings;
        QTest::newRow("log index") << halvora::FileLimit::logIndex;
        QTest::newRow("log") << halvora::FileLimit::log;
        QTest::newRow("document") << halvora::FileLimit::document;
    }
    void boundedReadAtAndOverEachLimit()
    {
        QFETCH(qint64, limit);
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        QCOMPARE(halvora::readBounded(path, limit).status, halvora::BoundedRead::Status::Missing);
        makeSparse(path, limit);
        const halvora::BoundedRead atLimit = halvora::readBounded(path, limit);
        QCOMPARE(atLimit.status, halvora::BoundedRead::Status::Read);
        QCOMPARE(atLimit.bytes.size(), limit);
        QVERIFY(QFile::resize(path, limit + 1));
        const halvora::BoundedRead over = halvora::readBounded(path, limit);
        QCOMPARE(over.status, halvora::BoundedRead::Status::TooLarge);
        QVERIFY(over.bytes.isEmpty());
        QCOMPARE(QFileInfo(path).size(), limit + 1);
    }

    // A 44 MB index: the sheet opens with an empty list and says why; saving
    // writes the log and leaves the index as it is; deleting does too.
    void oversizedIndexIsNeverLoadedOrRewritten()
    {
        TestProgram program;
        const qint64 size = 44ll << 20;
        makeSparse(program.filePath("LogNames.txt"), size);
        const QDateTime stamp = QFileInfo(program.filePath("LogNames.txt")).lastModified();
        program.start();
        halvora::MessageBox::takeRecorded();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        QVERIFY(sheet.entries().isEmpty());
        QStringList said = halvora::MessageBox::takeRecorded();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().contains("LogNames.txt") && said.first().contains("too large"));

        sheet.type({"6.4", "6.8", "7.0", "6.6", "6.8", "7.0"});
        sheet.saveAs("Week1");
        QVERIFY(QFile::exists(program.filePath("Week1.log")));
        said = halvora::MessageBox::takeRecorded();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().contains("Week1") && said.first().contains("too large"));
        QCOMPARE(sheet.entries(), QStringList{"Week1"}); // chosen again this session

        sheet.deleteLog("Week1");
        QVERIFY(!QFile::exists(program.filePath("Week1.log")));
        QCOMPARE(QFileInfo(program.filePath("LogNames.txt")).size(), size);
        QCOMPARE(QFileInfo(program.filePath("LogNames.txt")).lastModified(), stamp);
    }

    // A 200 MB log in the list: clicking it says so and changes nothing; the
    // other logs still open, and saving to another log still works.
    void oversizedLogIsNeverLoaded()
    {
        TestProgram program;
        const qint64 size = 200ll << 20;
        makeSparse(program.filePath("Big.log"), size);
        const QByteArray small = "1 Dec 2026    1.Urine 6.4    1.Saliva 6.8    2.Saliva 7.0    2.Urine 6.6    3.Urine 6.8    4.Urine 7.0\r\n";
        program.writeFile("Small.log", small);
        program.writeFile("LogNames.txt", "Small\r\nBig\r\n");
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        halvora::MessageBox::takeRecorded();
        QCOMPARE(sheet.entries(), QStringList({"Small", "Big"}));
        sheet.clickEntry(0);
        QCOMPARE(sheet.comments().toLatin1(), small);
        sheet.clickEntry(1);
        const QStringList said = halvora::MessageBox::takeRecorded();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().contains("Big.log") && said.first().contains("too large"));
        QCOMPARE(sheet.comments().toLatin1(), small);
        QCOMPARE(QFileInfo(program.filePath("Big.log")).size(), size);

        sheet.type({"6.4", "6.8", "7.0", "6.6", "6.8", "7.0"});
        sheet.saveAs("Week2");
        QVERIFY(QFile::exists(program.filePath("Week2.log")));
        QCOMPARE(program.readFile("LogNames.txt"), QByteArray("Small\r\nBig\r\nWeek2\r\n"));
    }

    // An index just under its limit still loads whole.
    void indexJustUnderItsLimitLoads()
    {
        TestProgram program;
        QByteArray index;
        int names = 0;
        while (index.size() + 16 < halvora::FileLimit::logIndex) {
            index += "Log" + QByteArray::number(names++).rightJustified(7, '0') + "\r\n";
        }
        program.writeFile("LogNames.txt", index);
        program.start();
        SheetDriver sheet(program);
        QVERIFY(sheet.open());
        QCOMPARE(sheet.list()->count(), names);
        QVERIFY(halvora::MessageBox::takeRecorded().isEmpty());
    }

    // Permissions do not stop the superuser; the test script runs this case
    // again as an ordinary user.
    void readOnlyProgramFolderLosesNothing()
    {
        if (geteuid() == 0)
            QSKIP("file permissions do not apply to the superuser");
        TestProgram program;
        const QByteArray oldSetting = "{\\rtf1\\ansi\\deff0 2\\par }";
        program.writeFile("Screen.txt", oldSetting);
        QFile::setPermissions(program.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QStringList before = QDir(program.folder()).entryList(QDir::Files);

        program.start();
        QVERIFY(program.click("frmAAMenu", "cmdSettings"));
        QVERIFY(program.click("frmSettings", "cmdMitte"));
        QVERIFY(program.mainMenu());
        QCOMPARE(halvora::MessageBox::takeRecorded().size(), 1);
        QVERIFY(!program.mainMenu()->isMaximized()); // the choice holds for this run

        if (program.navigator()->isRegistered("frmSupport")) {
            QVERIFY(program.click("frmAAMenu", "cmdSupport"));
            QVERIFY(program.click("frmSupport", "cmdCallEmail"));
            QCOMPARE(halvora::MessageBox::takeRecorded().size(), 1);
        }

        QCOMPARE(QDir(program.folder()).entryList(QDir::Files), before);
        QCOMPARE(program.readFile("Screen.txt"), oldSetting);
        QFile::setPermissions(program.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
