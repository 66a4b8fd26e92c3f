// Bad files and a read-only program folder, across the program: each ends in
// a clear message or the intended silence, and nothing is lost.
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QDir>
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
