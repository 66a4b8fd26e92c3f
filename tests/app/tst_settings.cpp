#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "Shell.h"
#include "TestProgram.h"
#include "rtf/RtfReader.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

namespace {

QString plainText(const QByteArray &rtf)
{
    QString text;
    if (!halvora::RtfReader::plainText(rtf, &text).ok)
        return QStringLiteral("<not rich text>");
    return text;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void choosingAModeWritesAppliesAndReports_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("digit");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QString>("message");
        QTest::newRow("Center Screen") << "cmdMitte" << "0" << false
                                       << "Next time you restart the program all pages will open centered.";
        QTest::newRow("Maximize Screen") << "cmdMaximize" << "2" << true
                                         << "Next time you restart the program all pages will open maximized.";
    }
    void choosingAModeWritesAppliesAndReports()
    {
        QFETCH(QString, button);
        QFETCH(QString, digit);
        QFETCH(bool, maximized);
        QFETCH(QString, message);
        TestProgram program;
        program.start();
        QPointer<halvora::PageWindow> openBefore = program.navigator()->openPage("tstFirst");
        const bool openBeforeMaximized = openBefore->isMaximized();
        QVERIFY(program.click("frmAAMenu", "cmdSettings"));
        QVERIFY(program.click("frmSettings", button));

        const QByteArray expected = "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
                                    "\\viewkind4\\uc1\\pard\\f0\\fs17 "
            + digit.toLatin1() + "\r\n\\par }";
        QCOMPARE(program.readFile("Screen.txt"), expected);
        QVERIFY(!program.window("frmSettings"));
        QCOMPARE(program.control("frmResize", "lblResize")->property("text").toString(), message);
        QCOMPARE(program.mainMenu()->isMaximized(), maximized);
        // Open pages keep their state; the next page follows the new value.
        QCOMPARE(openBefore->isMaximized(), openBeforeMaximized);
        program.navigator()->openPage("tstSecond");
        QCOMPARE(program.window("tstSecond")->isMaximized(), maximized);
        QVERIFY(halvora::MessageBox::takeRecorded().isEmpty());

        // The message window outlives the settings window and closes by itself.
        QVERIFY(program.click("frmResize", "cmdClose"));
        QVERIFY(!program.window("frmResize"));

        QWidget *restarted = program.start();
        QCOMPARE(restarted->isMaximized(), maximized);
    }

    void secondChoiceReplacesTheFirst()
    {
        TestProgram program;
        program.writeFile("Screen.txt", "not rich text at all");
        program.start();
        for (const char *button : {"cmdMitte", "cmdMaximize", "cmdMaximize"}) {
            QVERIFY(program.click("frmAAMenu", "cmdSettings"));
            QVERIFY(program.click("frmSettings", button));
        }
        QCOMPARE(plainText(program.readFile("Screen.txt")), QStringLiteral("2"));
        QCOMPARE(QDir(program.folder()).entryList({"Screen.txt*"}, QDir::Files), QStringList{"Screen.txt"});
    }

    void unwritableSettingIsReportedAndStillApplies()
    {
        TestProgram program;
        program.start();
        QVERIFY(QDir(program.folder()).mkdir("Screen.txt")); // a folder where the file should go
        QVERIFY(program.click("frmAAMenu", "cmdSettings"));
        QVERIFY(program.click("frmSettings", "cmdMitte"));
        const QStringList messages = halvora::MessageBox::takeRecorded();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith("The screen setting could not be saved"));
        QVERIFY(!program.mainMenu()->isMaximized());
        QVERIFY(program.window("frmResize"));
        QVERIFY(!program.navigator()->openPage("tstFirst")->isMaximized());
    }

    void closeWritesNothing()
    {
        TestProgram program;
        program.start();
        QVERIFY(program.click("frmAAMenu", "cmdSettings"));
        QVERIFY(program.click("frmSettings", "cmdClose"));
        QVERIFY(!program.window("frmSettings"));
        QVERIFY(!QFile::exists(program.filePath("Screen.txt")));
    }

    void removeProgramEndsTheProgram()
    {
        TestProgram program;
        program.start();
        program.navigator()->openPage("tstFirst");
        QSignalSpy ended(program.navigator(), &halvora::PageNavigator::programEnded);
        QVERIFY(program.click("frmAAMenu", "cmdSettings"));
        QVERIFY(program.click("frmSettings", "cmdAddRemove"));
        QCOMPARE(ended.count(), 1);
        // Either the desktop's software manager was started, or the user was told how to remove the program.
        const QStringList started = halvora::Shell::takeStartedPrograms();
        const QStringList messages = halvora::MessageBox::takeRecorded();
        QCOMPARE(started.size() + messages.size(), 1);
        if (!messages.isEmpty())
            QVERIFY(messages.first().contains(QDir::toNativeSeparators(program.folder())));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
