#include "MessageBox.h"
#include "PageWindow.h"
#include "Shell.h"
#include "TestProgram.h"
#include "support/Mailboxes.h"
#include "support/SupportMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QUrl>

using halvora::support::SupportMessage;
namespace mailbox = halvora::support::mailbox;

namespace {

const QByteArray formHead = "\r\nFull Name (required): \r\nEmail (required): \r\nPhone/Fax: \r\n"
                            "Operating System (required) Win98/ME/XP/etc: \r\n\r\nDescription of problem: \r\n";
const QByteArray formTail = "\r\n\r\n\r\n\r\nInstallation_Path: \r\n";

QByteArray header(const QString &recipient)
{
    return "To: \"" + recipient.toLatin1() + "\"\r\nSubject: Support Halvora\r\nX-Unsent: 1\r\n";
}

const QByteArray utf8Lines = "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: 8bit\r\n";

// The running program's file as the platform writes it; in a test, the test executable.
QString programFile()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

QPlainTextEdit *openForm(TestProgram &program)
{
    if (!program.click("frmAAMenu", "cmdSupport"))
        return nullptr;
    return qobject_cast<QPlainTextEdit *>(program.control("frmSupport", "txtSupport"));
}

} // namespace

class TestSupportRequest : public QObject
{
    Q_OBJECT
private slots:
    void templateEndsWithTheProgramFile()
    {
        QCOMPARE(SupportMessage::requestTemplate(QStringLiteral("C:\\Apps\\Halvora\\Halvora.exe")),
                 QString::fromLatin1(formHead + formTail + "C:\\Apps\\Halvora\\Halvora.exe\r\n"));
    }

    void messageBytes_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray ansi = header("desk@example.com") + "\r\n";
        const QByteArray utf8 = header("desk@example.com") + utf8Lines + "\r\n";
        QTest::newRow("empty body") << QString() << ansi + "\r\n";
        QTest::newRow("LF becomes CR LF") << "a\nb\n" << ansi + "a\r\nb\r\n\r\n";
        QTest::newRow("CR LF stays, lone CR ends a line") << "a\r\nb\rc" << ansi + "a\r\nb\r\nc\r\n";
        QTest::newRow("Windows-1252 letters") << QString::fromUtf8("Zoë paid 5 € – “ok”")
                                              << ansi + "Zo\xeb paid 5 \x80 \x96 \x93ok\x94\r\n";
        QTest::newRow("Greek turns the whole message into UTF-8")
            << QString::fromUtf8("5 € α\nβ") << utf8 + QString::fromUtf8("5 € α\r\nβ\r\n").toUtf8();
        QTest::newRow("outside the basic plane") << QString::fromUtf8("🙂") << utf8 + "\xf0\x9f\x99\x82\r\n";
    }
    void messageBytes()
    {
        QFETCH(QString, body);
        QFETCH(QByteArray, expected);
        QCOMPARE(SupportMessage(QStringLiteral("desk@example.com"), body).bytes(), expected);
    }

    void windowShowsFormAndAddresses()
    {
        TestProgram program;
        program.start();
        QDir::setCurrent(QDir::rootPath());
        QPlainTextEdit *form = openForm(program);
        QVERIFY(form);
        halvora::PageWindow *window = program.window("frmSupport");
        QCOMPARE(window->windowTitle(), QStringLiteral("Support Form"));
        QVERIFY(!window->isMaximized());
        QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(QDir::currentPath(), QDir(program.folder()).canonicalPath());

        QCOMPARE(form->toPlainText(),
                 QString::fromLatin1(formHead + formTail).replace("\r\n", "\n") + programFile() + "\n");
        QCOMPARE(form->textCursor().block().text(), QStringLiteral("Full Name (required): "));
        QVERIFY(form->textCursor().atBlockEnd());

        auto text = [&](const char *name) { return program.control("frmSupport", name)->property("text").toString(); };
        QVERIFY(text("lblEmail").endsWith('@'));
        QCOMPARE(text("lblEmail") + text("lblEmailDomain"), mailbox::support);
        QCOMPARE(text("lblAltEmail"), mailbox::alternative);
        QCOMPARE(text("txtEmail"), mailbox::support);
        QCOMPARE(text("txtAltEmail"), mailbox::alternative);
        // Whatever addresses are set, they show whole.
        for (const char *name : {"lblEmail", "lblEmailDomain", "lblAltEmail"}) {
            auto *label = qobject_cast<QLabel *>(program.control("frmSupport", name));
            QVERIFY2(label->sizeHint().width() <= label->width(), name);
        }
        for (const char *name : {"txtEmail", "txtAltEmail"}) {
            auto *box = qobject_cast<QLineEdit *>(program.control("frmSupport", name));
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) < box->width() - 8, name);
        }
    }

    void sendWritesTheFormAndHandsItOver_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QByteArray>("body");
        const QByteArray path = programFile().toUtf8();
        QVERIFY2(QString::fromUtf8(path).toLatin1() == path, "the test needs a build folder with a plain ASCII path");
        QTest::newRow("untouched") << QString() << QString() << formHead + formTail + path + "\r\n\r\n";
        QTest::newRow("typed after the first label")
            << "Ann Lee" << QString()
            << QByteArray(formHead).replace("Full Name (required): ", "Full Name (required): Ann Lee") + formTail + path + "\r\n\r\n";
        QTest::newRow("rewritten in Windows-1252")
            << QString() << QString::fromUtf8("Zoë\n\nThe € sign is missing.") << QByteArray("Zo\xeb\r\n\r\nThe \x80 sign is missing.\r\n");
    }
    void sendWritesTheFormAndHandsItOver()
    {
        QFETCH(QString, typed);
        QFETCH(QString, replacement);
        QFETCH(QByteArray, body);
        TestProgram program;
        program.start();
        QPlainTextEdit *form = openForm(program);
        QVERIFY(form);
        if (!typed.isEmpty())
            QTest::keyClicks(form, typed);
        if (!replacement.isNull())
            form->setPlainText(replacement);
        QVERIFY(program.click("frmSupport", "cmdCallEmail"));

        QCOMPARE(program.readFile("Support.eml"), header(mailbox::support) + "\r\n" + body);
        QCOMPARE(halvora::Shell::takeOpenedUrls(), QList<QUrl>{QUrl::fromLocalFile(program.filePath("Support.eml"))});
        QCOMPARE(halvora::MessageBox::takeRecorded(), QStringList());
        QVERIFY(program.window("frmSupport"));
    }

    void nonLatinFormIsWrittenAsUtf8()
    {
        TestProgram program;
        program.start();
        QPlainTextEdit *form = openForm(program);
        QVERIFY(form);
        const QString text = QString::fromUtf8("Имя: Иван\nΠρόβλημα: 東京");
        form->setPlainText(text);
        QVERIFY(program.click("frmSupport", "cmdCallEmail"));

        const QByteArray bytes = program.readFile("Support.eml");
        QCOMPARE(bytes, header(mailbox::support) + utf8Lines + "\r\n" + QString(text).replace("\n", "\r\n").toUtf8() + "\r\n");
        QCOMPARE(halvora::Shell::takeOpenedUrls().size(), 1);
    }

    void secondPressLeavesTheSecondText()
    {
        TestProgram program;
        program.start();
        QPlainTextEdit *form = openForm(program);
        QVERIFY(form);
        const QStringList before = QDir(program.folder()).entryList(QDir::Files);
        form->setPlainText("first, a longer text than the second");
        QVERIFY(program.click("frmSupport", "cmdCallEmail"));
        form->setPlainText("second");
        QVERIFY(program.click("frmSupport", "cmdCallEmail"));

        QCOMPARE(program.readFile("Support.eml"), header(mailbox::support) + "\r\nsecond\r\n");
        QStringList expectedFiles = QStringList(before) << "Support.eml";
        expectedFiles.sort();
        QCOMPARE(QDir(program.folder()).entryList(QDir::Files, QDir::Name), expectedFiles);
        QCOMPARE(halvora::Shell::takeOpenedUrls().size(), 2);
    }

    void unwritableFileIsReportedAndNothingIsHandedOver()
    {
        TestProgram program;
        program.start();
        QPlainTextEdit *form = openForm(program);
        QVERIFY(form);
        // Tests run with rights that ignore a read-only folder; a folder in the file's place fails for anyone.
        QDir folder(program.folder());
        QVERIFY(folder.mkdir("Support.eml"));
        program.writeFile("Support.eml/keep.txt", "kept");
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY(program.click("frmSupport", "cmdCallEmail"));

        const QStringList messages = halvora::MessageBox::takeRecorded();
        QCOMPARE(messages.size(), 1);
        const QString expectedStart = "The support message could not be saved as "
            + QDir::toNativeSeparators(program.filePath("Support.eml")) + " (";
        QVERIFY2(messages.first().startsWith(expectedStart), qPrintable(messages.first()));
        QVERIFY(halvora::Shell::takeOpenedUrls().isEmpty());
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QCOMPARE(program.readFile("Support.eml/keep.txt"), QByteArray("kept"));

        // The window carries on: once the way is clear, the next press works.
        QVERIFY(program.window("frmSupport"));
        QVERIFY(QDir(program.filePath("Support.eml")).removeRecursively());
        QVERIFY(program.click("frmSupport", "cmdCallEmail"));
        QVERIFY(program.readFile("Support.eml").startsWith(header(mailbox::support)));
        QCOMPARE(halvora::Shell::takeOpenedUrls().size(), 1);
    }
};

QTEST_MAIN(TestSupportRequest)
#include "tst_supportrequest.moc"
