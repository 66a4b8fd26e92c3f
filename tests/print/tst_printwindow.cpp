#include "MessageBox.h"
#include "../pages/Placement.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "StandardDialogs.h"
#include "TestProgram.h"
#include "Twips.h"
#include "print/PrintWindow.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using halvora::MessageBox;
using halvora::PageWindow;
using halvora::StandardDialogs;
using halvora::print::PrintWindow;

namespace {

const QString printPage = QStringLiteral("frmPrint");
const QString listText = QStringLiteral("\r\n\r\nShopping List:\r\n\r\nJuices:\r\n"
                                        "Fermented Carrot juice, fermented Red Beet juice.\r\n\r\nMagnet:\r\n"
                                        "Flat Magnet 3000 - 5000 Gauss");

// What another program reads from a file: pdftotext for PDF, unrtf for RTF.
QString run(const QString &program, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return QStringLiteral("<%1 is not installed; tools/deps.sh installs it>").arg(program);
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &file)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
}

// Whether unrtf's HTML has the text inside an open <tag>.
bool insideTag(const QString &html, const QString &text, const char *tag)
{
    const qsizetype at = html.indexOf(text);
    const QString open = QStringLiteral("<%1>").arg(QLatin1String(tag));
    const QString close = QStringLiteral("</%1>").arg(QLatin1String(tag));
    return at >= 0 && html.lastIndexOf(open, at) > html.lastIndexOf(close, at);
}

StandardDialogs::FontChoice font(const QString &family, double points, bool bold, bool italic, bool underline,
                                 bool strike, const QColor &colour)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strike);
    return {f, colour};
}

// One line per run of equally formatted text: what the reader sees.
QStringList runs(const QTextDocument *document)
{
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont f = format.font().resolve(document->defaultFont());
            lines << QStringLiteral("%1|%2 %3%4%5%6%7 %8")
                         .arg(it.fragment().text(), f.family())
                         .arg(f.pointSizeF())
                         .arg(f.bold() ? " bold" : "", f.italic() ? " italic" : "", f.underline() ? " underline" : "",
                              f.strikeOut() ? " strike" : "")
                         .arg(format.foreground().style() == Qt::NoBrush ? QStringLiteral("auto")
                                                                         : format.foreground().color().name());
        }
    }
    return lines;
}

} // namespace

class TestPrintWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_program.start());
        StandardDialogs::setAnswering(true);
        MessageBox::takeRecorded();
    }
    void cleanup() { m_program.stop(); }

    void windowAsDesigned_data()
    {
        QTest::addColumn<QByteArray>("screenMode");
        QTest::newRow("pages maximized") << QByteArray("2");
        QTest::newRow("pages normal") << QByteArray("0");
    }
    void windowAsDesigned()
    {
        QFETCH(QByteArray, screenMode);
        m_program.writeFile("Screen.txt", TestProgram::settingFile(screenMode.constData()));
        QVERIFY(m_program.start());
        PageWindow *page = m_program.navigator()->openPage(printPage);
        QVERIFY(page);
        // Its own caption, centred, its design size whatever the display setting says.
        QCOMPARE(page->windowTitle(), QStringLiteral("Print Preview"));
        QVERIFY(!page->isMaximized());
        QCOMPARE(page->size(), halvora::twips::toPixels(QSize(7905, 6435)));
        QVERIFY(nearlyCentred(page));
        QVERIFY(!(page->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(page->windowFlags() & Qt::WindowMaximizeButtonHint));

        auto *box = textBox();
        QVERIFY(box);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->geometry(), halvora::twips::toPixels(QRect(30, 30, 7855, 5925)));
        const QFont f = box->document()->defaultFont();
        QCOMPARE(f.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(f.pointSizeF(), 11.25);
        QVERIFY(f.bold());

        // The five buttons along the bottom, left to right.
        const QStringList names{"cmdFont", "cmdPrint", "cmdSave", "cmdCancel", "cmdClose"};
        const QStringList captions{"Font", "Print", "Save", "Cancel", "Close"};
        int left = -1;
        for (qsizetype i = 0; i < names.size(); ++i) {
            auto *button = qobject_cast<QPushButton *>(m_program.control(printPage, names[i]));
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->text(), captions[i]);
            QVERIFY(button->font().bold());
            QVERIFY(button->x() > left);
            QVERIFY(button->y() > box->geometry().bottom());
            left = button->x();
        }
        // Loading sets the working folder to the program folder.
        QCOMPARE(QDir::currentPath(), QDir(m_program.folder()).canonicalPath());
    }

    // A caller loads the window hidden, sets its text as often as it likes and shows it.
    void callersFillTheWindowBeforeShowingIt()
    {
        PrintWindow *print = PrintWindow::load(*m_program.navigator());
        QVERIFY(print);
        PageWindow *page = m_program.window(printPage);
        QVERIFY(!page->isVisible());
        print->setText(QStringLiteral("first"));
        print->setText(listText);
        QCOMPARE(print->text(), listText);
        QCOMPARE(m_program.navigator()->openPage(printPage), page);
        QVERIFY(page->isVisible());
        QCOMPARE(textBox()->toPlainText(), QString(listText).replace("\r\n", "\n"));

        // Loading again takes the open window; its text is replaced.
        QCOMPARE(PrintWindow::load(*m_program.navigator()), print);
        print->setText(QStringLiteral("second"));
        QCOMPARE(print->text(), QStringLiteral("second"));

        QVERIFY(m_program.click(printPage, "cmdClose"));
        QVERIFY(!m_program.window(printPage));
        // A new window starts empty: the text went with the old one.
        QCOMPARE(PrintWindow::load(*m_program.navigator())->text(), QString());
    }

    void fontRestylesTheSelection()
    {
        PrintWindow *print = shown(QStringLiteral("Juices: carrot\r\nMagnet"));
        select(8, 14); // "carrot"
        StandardDialogs::answerFont(font("Arial", 20, false, true, true, true, Qt::red));
        QVERIFY(m_program.click(printPage, "cmdFont"));
        // The dialog opened with the selection's attributes.
        QCOMPARE(StandardDialogs::takeAsked(), QStringList{"font Times New Roman 11.25 bold #000000"});
        QCOMPARE(runs(textBox()->document()), QStringList({
                                                  "Juices: |Times New Roman 11.25 bold auto",
                                                  "carrot|Arial 20 italic underline strike #ff0000",
                                                  "Magnet|Times New Roman 11.25 bold auto",
                                              }));
        QCOMPARE(print->text(), QStringLiteral("Juices: carrot\r\nMagnet"));
    }

    void fontOverMixedFormattingRestylesAllOfIt()
    {
        shown(QStringLiteral("one two three"));
        select(4, 7);
        StandardDialogs::answerFont(font("Arial", 14, false, true, false, false, Qt::blue));
        QVERIFY(m_program.click(printPage, "cmdFont"));
        StandardDialogs::takeAsked();
        select(0, 13);
        StandardDialogs::answerFont(font("Courier New", 9, false, false, true, false, Qt::black));
        QVERIFY(m_program.click(printPage, "cmdFont"));
        // The dialog opens on a mixed selection, primed from its first character.
        QCOMPARE(StandardDialogs::takeAsked(), QStringList{"font Times New Roman 11.25 bold #000000"});
        QCOMPARE(runs(textBox()->document()), QStringList{"one two three|Courier New 9 underline #000000"});
    }

    void fontWithoutSelectionStylesWhatIsTypedNext()
    {
        shown(QStringLiteral("Magnet"));
        QTextCursor caret = textBox()->textCursor();
        caret.movePosition(QTextCursor::End);
        textBox()->setTextCursor(caret);
        StandardDialogs::answerFont(font("Arial", 16, true, false, false, false, Qt::darkGreen));
        QVERIFY(m_program.click(printPage, "cmdFont"));
        QCOMPARE(runs(textBox()->document()), QStringList{"Magnet|Times New Roman 11.25 bold auto"});
        textBox()->setFocus();
        QTest::keyClicks(textBox(), QStringLiteral(" x"));
        QCOMPARE(runs(textBox()->document()),
                 QStringList({"Magnet|Times New Roman 11.25 bold auto", " x|Arial 16 bold #008000"}));
    }

    void cancelledDialogsChangeNothing()
    {
        const QString plain = QStringLiteral("Juices:\r\nFermented Carrot juice");
        shown(plain);
        select(0, 7);
        const QStringList before = runs(textBox()->document());
        const QString dir = m_scratch.path();
        StandardDialogs::answerCancel();
        QVERIFY(m_program.click(printPage, "cmdFont"));
        StandardDialogs::answerCancel();
        QVERIFY(m_program.click(printPage, "cmdPrint"));
        StandardDialogs::answerCancel();
        QVERIFY(m_program.click(printPage, "cmdSave"));
        QCOMPARE(StandardDialogs::takeAsked().size(), 3);
        QCOMPARE(runs(textBox()->document()), before);
        QVERIFY(QDir(dir).entryList(QDir::Files).isEmpty());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
        QVERIFY(m_program.window(printPage)->isVisible());
    }

    // With nothing selected the reader still chooses the printer first.
    void printsTheWholeText()
    {
        shown(listText);
        const QString pdf = m_scratch.filePath("whole.pdf");
        StandardDialogs::answerPrint(pdf, StandardDialogs::PrintRange::All);
        QVERIFY(m_program.click(printPage, "cmdPrint"));
        QCOMPARE(StandardDialogs::takeAsked(), QStringList{"print all"});
        const QString text = pdfText(pdf);
        for (const char *line : {"Shopping List:", "Fermented Carrot juice, fermented Red Beet juice.",
                                    "Flat Magnet 3000 - 5000 Gauss"})
            QVERIFY2(text.contains(line), qPrintable(text));
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void printsOnlyTheSelection()
    {
        shown(listText);
        const int start = position("Juices:");
        select(start, start + QStringLiteral("Juices:\nFermented Carrot juice").size());
        const QString pdf = m_scratch.filePath("selection.pdf");
        StandardDialogs::answerPrint(pdf, StandardDialogs::PrintRange::Selection);
        QVERIFY(m_program.click(printPage, "cmdPrint"));
        QCOMPARE(StandardDialogs::takeAsked(), QStringList{"print selection"});
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("Juices:") && text.contains("Fermented Carrot juice"), qPrintable(text));
        QVERIFY2(!text.contains("Shopping List:") && !text.contains("Magnet"), qPrintable(text));
    }

    // Many pages print one after another; restyled text prints as it looks.
    void printsALongRestyledTextOnSeveralPages()
    {
        QString text;
        for (int i = 1; i <= 150; ++i)
            text += QStringLiteral("Item %1 of the list\r\n").arg(i);
        shown(text);
        select(0, 6);
        StandardDialogs::answerFont(font("Arial", 24, false, true, false, false, Qt::red));
        QVERIFY(m_program.click(printPage, "cmdFont"));
        textBox()->setTextCursor(QTextCursor(textBox()->document()));
        const QString pdf = m_scratch.filePath("long.pdf");
        StandardDialogs::answerPrint(pdf, StandardDialogs::PrintRange::All);
        QVERIFY(m_program.click(printPage, "cmdPrint"));
        const QString printed = pdfText(pdf);
        QVERIFY2(printed.contains("Item 150 of the list"), qPrintable(printed));
        QVERIFY2(printed.count('\f') >= 3, "150 lines take several pages");
    }

    void aFailedPrintIsToldAndLosesNothing()
    {
        shown(listText);
        StandardDialogs::answerPrint(m_scratch.filePath("no such folder/list.pdf"), StandardDialogs::PrintRange::All);
        QVERIFY(m_program.click(printPage, "cmdPrint"));
        QCOMPARE(MessageBox::takeRecorded(),
                 QStringList{"The text could not be printed; please check the printer and try again."});
        QVERIFY(m_program.window(printPage)->isVisible());
        QCOMPARE(PrintWindow::of(m_program.window(printPage))->text(), listText);
    }

    // Escape is the window's cancel key: it stops the job under way and
    // leaves the window open with its text.
    void escapeCancelsThePrintJob()
    {
        QString text;
        for (int i = 1; i <= 300; ++i)
            text += QStringLiteral("Line %1\r\n").arg(i);
        PrintWindow *print = shown(text);
        const QString pdf = m_scratch.filePath("stopped.pdf");
        StandardDialogs::answerPrint(pdf, StandardDialogs::PrintRange::All);
        bool wasPrinting = false;
        QTimer::singleShot(0, this, [&] {
            wasPrinting = print->isPrinting();
            // Typed where the reader types: the text box passes Escape on to its window.
            QTest::keyClick(textBox(), Qt::Key_Escape);
        });
        // Pressed directly: the job must start before the queued Escape arrives.
        qobject_cast<QPushButton *>(m_program.control(printPage, "cmdPrint"))->click();
        QVERIFY(wasPrinting);
        QVERIFY(!print->isPrinting());
        QVERIFY2(!QFile::exists(pdf), "a stopped job leaves nothing behind");
        QVERIFY(MessageBox::takeRecorded().isEmpty());
        QVERIFY(m_program.window(printPage)->isVisible());
        QCOMPARE(print->text(), text);

        // With no job under way Escape changes nothing.
        m_program.pressEscape(printPage);
        QVERIFY(m_program.window(printPage)->isVisible());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    // Saved under exactly the name chosen, readable with its formatting by another program.
    void savesRichTextUnderTheNameAsTyped()
    {
        shown(listText);
        const int start = position("Magnet:");
        select(start, start + 6); // "Magnet"
        StandardDialogs::answerFont(font("Arial", 20, false, true, true, true, Qt::red));
        QVERIFY(m_program.click(printPage, "cmdFont"));
        StandardDialogs::takeAsked();
        const QString file = m_scratch.filePath("list");
        StandardDialogs::answerSave(file);
        QVERIFY(m_program.click(printPage, "cmdSave"));
        QCOMPARE(StandardDialogs::takeAsked(),
                 QStringList{"save Rich Text File (*.Rtf);;All Files (*.*)"});
        QCOMPARE(QDir(m_scratch.path()).entryList(QDir::Files), QStringList{"list"});
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        const QString text = run("unrtf", {"--text", file});
        for (const char *line : {"Shopping List:", "Fermented Carrot juice, fermented Red Beet juice.",
                                    "Flat Magnet 3000 - 5000 Gauss"})
            QVERIFY2(text.contains(line), qPrintable(text));
        const QString html = run("unrtf", {"--html", file});
        QVERIFY2(html.contains("<font face=\"Times New Roman\">"), qPrintable(html));
        for (const char *mark : {"<font face=\"Arial\">", "font-size:20pt"})
            QVERIFY2(html.contains(QLatin1String(mark)), qPrintable(QLatin1String(mark) + "\n" + html));
        QVERIFY2(html.contains("<font color=\"#ff0000\">Magnet"), qPrintable(html));
        // Each line keeps its own formatting, and the restyled word only its own.
        for (const char *tag : {"i", "u", "s"}) {
            QVERIFY2(insideTag(html, "Magnet", tag), tag);
            QVERIFY2(!insideTag(html, "Flat Magnet", tag), tag);
        }
        for (const char *line : {"Shopping List:", "Juices:", "Flat Magnet"})
            QVERIFY2(insideTag(html, line, "b"), qPrintable(html));
    }

    void savingOverAnExistingFileReplacesIt()
    {
        shown(QStringLiteral("Magnet:"));
        const QString file = m_scratch.filePath("list.rtf");
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        StandardDialogs::answerSave(file);
        QVERIFY(m_program.click(printPage, "cmdSave"));
        QVERIFY(run("unrtf", {"--text", file}).contains("Magnet:"));
    }

    void aFailedSaveIsToldAndLosesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("no such folder") << "missing/list" << false;
        QTest::newRow("disk full") << "list.rtf" << true;
    }
    void aFailedSaveIsToldAndLosesNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QString text;
        for (int i = 1; i <= 100; ++i)
            text += QStringLiteral("Item %1 of a long list\r\n").arg(i);
        PrintWindow *print = shown(text);
        const QString file = m_scratch.filePath(name);
        const QByteArray earlier = "{\\rtf1 an earlier list\\par }";
        if (diskFull) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(earlier);
        }
        StandardDialogs::answerSave(file);
        {
            // A file size limit makes every longer write fail, as on a full disk, even for the superuser.
            rlimit before{};
            getrlimit(RLIMIT_FSIZE, &before);
            const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            if (diskFull) {
                rlimit small = before;
                small.rlim_cur = 512;
                QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
            }
            QVERIFY(m_program.click(printPage, "cmdSave"));
            setrlimit(RLIMIT_FSIZE, &before);
            std::signal(SIGXFSZ, previousHandler);
        }
        const QStringList messages = MessageBox::takeRecorded();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith("The text could not be saved as " + QDir::toNativeSeparators(file)),
                 qPrintable(messages.first()));
        QCOMPARE(print->text(), text);
        QCOMPARE(QDir(m_scratch.path()).entryList(QDir::Files), diskFull ? QStringList{name} : QStringList());
        if (diskFull) {
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), earlier);
        }
    }

private:
    QTextEdit *textBox() const { return qobject_cast<QTextEdit *>(m_program.control(printPage, "rtfPrint")); }

    PrintWindow *shown(const QString &text)
    {
        PrintWindow *print = PrintWindow::load(*m_program.navigator());
        print->setText(text);
        m_program.navigator()->openPage(printPage);
        QDir(m_scratch.path()).removeRecursively();
        QDir().mkpath(m_scratch.path());
        return print;
    }

    // Where a text starts in the box, which counts a line end as one character.
    int position(const QString &text) const { return textBox()->document()->find(text).selectionStart(); }

    void select(int from, int to) const
    {
        QTextCursor cursor(textBox()->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        textBox()->setTextCursor(cursor);
    }

    TestProgram m_program;
    QTemporaryDir m_scratch;
};

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
