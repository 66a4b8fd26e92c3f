#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"
#include "Twips.h"
#include "documents/CancerPage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextTable>
#include <QTimer>

#include <new>

using halvora::MessageBox;
using halvora::PageWindow;
using halvora::documents::CancerPage;
namespace twips = halvora::twips;

namespace {

// A small document of our own whose text names the file it stands for.
QByteArray documentNamed(const QString &file)
{
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Document {\\b " + file.toLatin1() + "}\\par Second paragraph\\par}";
}

QString textNamed(const QString &file)
{
    return QStringLiteral("Document %1\nSecond paragraph").arg(file);
}

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(HALVORA_RTF_FIXTURES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString boxText(TestProgram &program, const char *page, const char *box)
{
    auto *edit = qobject_cast<QTextEdit *>(program.control(page, box));
    return edit ? edit->toPlainText() : QStringLiteral("<no box>");
}

void trigger(TestProgram &program, const char *page, const char *action)
{
    PageWindow *window = program.window(page);
    QAction *item = window ? window->findChild<QAction *>(action) : nullptr;
    QVERIFY2(item, action);
    item->trigger();
}

// Runs the timer's own tick, as its timeout would.
void tick(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestDocumentPages : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        // Pages open at their design size, so geometry reads in design units.
        QDir(m_program.folder()).rmdir(QStringLiteral("WhatCauses.rtf"));
        m_program.writeFile(QStringLiteral("Screen.txt"), TestProgram::settingFile("0"));
        for (const auto &link : CancerPage::links)
            m_program.writeFile(QString::fromLatin1(link.file), documentNamed(QString::fromLatin1(link.file)));
        for (const char *file : {"Disclaim.rtf", "CopyLiab.rtf", "Privacy.rtf"})
            m_program.writeFile(QString::fromLatin1(file), documentNamed(QString::fromLatin1(file)));
        QVERIFY(m_program.start());
        MessageBox::takeRecorded();
    }
    void cleanup() { m_program.stop(); }

    void linkShowsItsDocument_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        const char *captions[] = {"What is Cancer?", "What causes Cancer?", "Cancer causing Chemicals",
                                  "Benign and Malignant Tumors", "Early Warning Symptoms",
                                  "Blood Tests - Cancer Markers", "Nonspecific Blood Tests",
                                  "Oncogenes+Suppressor Genes", "The Oncologist's Arsenal", "New Breakthroughs",
                                  "Staging of Cancer", "Complementary Therapies"};
        int row = 0;
        for (const auto &link : CancerPage::links)
            QTest::newRow(link.label) << QString::fromLatin1(link.label) << QString::fromLatin1(captions[row++])
                                      << QString::fromLatin1(link.file);
    }
    void linkShowsItsDocument()
    {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        PageWindow *page = m_program.window("frmCancer");
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Halvora"));
        auto *link = qobject_cast<QLabel *>(m_program.control("frmCancer", label));
        QVERIFY(link);
        QCOMPARE(link->text(), caption);
        QWidget *picture = m_program.control("frmCancer", "picCancer");
        QVERIFY(picture->isVisible());
        QVERIFY(boxText(m_program, "frmCancer", "rtfCancer").isEmpty());

        QVERIFY(m_program.click("frmCancer", label));
        QCOMPARE(boxText(m_program, "frmCancer", "rtfCancer"), textNamed(file));
        QVERIFY(!picture->isVisible());
        // Shown from the top, with its formatting.
        auto *box = qobject_cast<QTextEdit *>(m_program.control("frmCancer", "rtfCancer"));
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(box->document()->find(file).charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void linkColumnAsDesigned()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        int top = 1050;
        for (const auto &link : CancerPage::links) {
            QWidget *label = m_program.control("frmCancer", link.label);
            QCOMPARE(label->geometry(), twips::toPixels(QRect(0, top, 3300, 420)));
            QCOMPARE(label->palette().color(QPalette::Window), QColor(192, 192, 0));
            QVERIFY(label->font().bold());
            top += 480;
        }
        QCOMPARE(m_program.control("frmCancer", "lblTheoriesOrtho")->geometry(), twips::toPixels(QRect(0, 6810, 3300, 975)));
        QCOMPARE(m_program.control("frmCancer", "rtfCancer")->geometry(), twips::toPixels(QRect(3330, 555, 8505, 7200)));
        QCOMPARE(m_program.control("frmCancer", "picCancer")->geometry(), twips::toPixels(QRect(3300, 540, 8535, 7245)));
        QCOMPARE(m_program.control("frmCancer", "Picture1")->palette().color(QPalette::Window), QColor(48, 64, 0));
    }

    void pictureStaysHiddenUntilThePageOpensAgain()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        QWidget *picture = m_program.control("frmCancer", "picCancer");
        QVERIFY(m_program.click("frmCancer", "lblGenes"));
        QVERIFY(!picture->isVisible());
        QVERIFY(m_program.click("frmCancer", "lblStaging"));
        QCOMPARE(boxText(m_program, "frmCancer", "rtfCancer"), textNamed("Staging.rtf"));
        QVERIFY(!picture->isVisible());
        QVERIFY(m_program.click("frmCancer", "lblTheoriesOrtho"));
        QVERIFY(!picture->isVisible());

        m_program.navigator()->closePage("frmCancer");
        flushDeletes();
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        QVERIFY(m_program.control("frmCancer", "picCancer")->isVisible());
        QVERIFY(boxText(m_program, "frmCancer", "rtfCancer").isEmpty());
    }

    void sameLinkTwiceShowsTheDocumentOnce()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        QVERIFY(m_program.click("frmCancer", "Label15"));
        // The file is read again on the second click.
        m_program.writeFile("DoctorsArsenal.rtf", documentNamed("DoctorsArsenal.rtf, revised"));
        QVERIFY(m_program.click("frmCancer", "Label15"));
        QCOMPARE(boxText(m_program, "frmCancer", "rtfCancer"), textNamed("DoctorsArsenal.rtf, revised"));
    }

    void theoriesLinkOpensItsPageAndTouchesNothingElse()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        QVERIFY(m_program.click("frmCancer", "lblTheoriesOrtho"));
        QVERIFY(m_program.window("frmTheoriesOrtho"));
        QVERIFY(m_program.window("frmCancer"));
        QVERIFY(m_program.control("frmCancer", "picCancer")->isVisible());
        QVERIFY(boxText(m_program, "frmCancer", "rtfCancer").isEmpty());

        QVERIFY(m_program.click("frmCancer", "lblTumors"));
        QVERIFY(m_program.click("frmCancer", "lblTheoriesOrtho"));
        QCOMPARE(boxText(m_program, "frmCancer", "rtfCancer"), textNamed("BenignMalignant.rtf"));
    }

    void unusableDocumentLeavesTheBoxEmpty_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<bool>("folder");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not RTF") << QByteArray("What causes cancer? Plain text, no RTF.") << false;
        QTest::newRow("truncated RTF") << QByteArray("{\\rtf1\\ansi Half a document") << false;
        QTest::newRow("larger than any document") << QByteArray((16 << 20) + 1, ' ').prepend("{\\rtf1 ") << false;
        QTest::newRow("a folder of that name") << QByteArray() << true;
    }
    void unusableDocumentLeavesTheBoxEmpty()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QFile::remove(m_program.filePath("WhatCauses.rtf"));
        if (folder)
            QVERIFY(QDir(m_program.folder()).mkdir("WhatCauses.rtf"));
        else if (!content.isEmpty())
            m_program.writeFile("WhatCauses.rtf", content);

        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        QVERIFY(m_program.click("frmCancer", "lblWhatIsCancer"));
        QVERIFY(m_program.click("frmCancer", "lblCauses"));
        QVERIFY(boxText(m_program, "frmCancer", "rtfCancer").isEmpty());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
        // The page goes on working.
        QVERIFY(m_program.click("frmCancer", "lblWarning"));
        QCOMPARE(boxText(m_program, "frmCancer", "rtfCancer"), textNamed("EarlyWarning.rtf"));
    }

    void bannerScrollsLeftAndComesBackOnlyOnceGone()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        PageWindow *page = m_program.window("frmCancer");
        QPointer<QTimer> timer = page->findChild<QTimer *>("Timer1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 150);
        QVERIFY(timer->isActive());
        QWidget *strip = m_program.control("frmCancer", "Picture1");
        QWidget *banner = m_program.control("frmCancer", "Label1");
        QVERIFY(banner->isVisible());
        const int reentry = strip->width() - twips::toPixels(100);
        QCOMPARE(banner->x(), reentry);

        tick(timer);
        QCOMPARE(banner->x(), reentry - twips::toPixels(150));

        // Its right end 10 pixels inside the strip: one tick brings it to the
        // edge, still not gone; the next takes it out, and it re-enters.
        banner->move(10 - banner->width(), banner->y());
        tick(timer);
        QCOMPARE(banner->x() + banner->width(), 0);
        tick(timer);
        QCOMPARE(banner->x(), reentry);

        // A long way off on the left comes back the same way.
        banner->move(-5 * banner->width(), banner->y());
        tick(timer);
        QCOMPARE(banner->x(), reentry);

        m_program.navigator()->closePage("frmCancer");
        flushDeletes();
        QVERIFY(timer.isNull()); // the banner stops with its page
    }

    void bannerKeepsItsPlaceWhenThePageIsRescaled()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        PageWindow *page = m_program.window("frmCancer");
        auto *timer = page->findChild<QTimer *>("Timer1");
        QWidget *banner = m_program.control("frmCancer", "Label1");
        QWidget *strip = m_program.control("frmCancer", "Picture1");
        // Before its first step the text waits just inside the right edge of the rescaled strip.
        page->resize(page->width() + 20, page->height());
        QTRY_COMPARE(banner->x(), strip->width() - twips::toPixels(100));
        tick(timer);
        tick(timer);
        const int before = banner->x();
        const int stripWidth = strip->width();
        page->resize(page->width() + 40, page->height() + 30);
        QTRY_VERIFY(strip->width() > stripWidth);
        QCOMPARE(banner->x(), before);
    }

    void memoryMessageOnlyWhenMemoryRunsOut()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdCancer"));
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        bool after = false;
        CancerPage::guardMemory(m_program.window("frmCancer"), [] { throw std::bad_alloc(); });
        after = true;
        QVERIFY(after);
        QCOMPARE(MessageBox::takeRecorded(),
                 QStringList{"You are short on Memory.\r\nSettings might need adjusting,or Computer might need more RAM."});
        CancerPage::guardMemory(m_program.window("frmCancer"), [] {});
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void disclaimerWindowAndItsMenu()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdReadFirst"));
        PageWindow *page = m_program.window("frmDisclaimer");
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Disclaimer /  Licence Agreement"));
        auto *menuBar = page->findChild<QMenuBar *>();
        QVERIFY(menuBar);
        QStringList items;
        for (QAction *action : menuBar->actions())
            items << action->objectName() + u'=' + action->text();
        QCOMPARE(items, QStringList({"mnuBack=Disclaimer", "mnuNextPage=Licence Agreement", "cmdPrivacy=Privacy Policy",
                                     "mnuClose=Close"}));
        // The box fills the client area under the menu bar.
        QWidget *box = m_program.control("frmDisclaimer", "rtfDisclaimer");
        QCOMPARE(box->size(), twips::toPixels(QSize(9510, 5625)));
        QCOMPARE(box->geometry().bottom(), page->height() - 1);
        QCOMPARE(boxText(m_program, "frmDisclaimer", "rtfDisclaimer"), textNamed("Disclaim.rtf"));

        trigger(m_program, "frmDisclaimer", "mnuNextPage");
        QCOMPARE(boxText(m_program, "frmDisclaimer", "rtfDisclaimer"), textNamed("CopyLiab.rtf"));
        trigger(m_program, "frmDisclaimer", "cmdPrivacy");
        QCOMPARE(boxText(m_program, "frmDisclaimer", "rtfDisclaimer"), textNamed("Privacy.rtf"));
        // Every choice reads its file again.
        m_program.writeFile("Disclaim.rtf", documentNamed("Disclaim.rtf, revised"));
        trigger(m_program, "frmDisclaimer", "mnuBack");
        QCOMPARE(boxText(m_program, "frmDisclaimer", "rtfDisclaimer"), textNamed("Disclaim.rtf, revised"));

        trigger(m_program, "frmDisclaimer", "mnuClose");
        QVERIFY(!m_program.window("frmDisclaimer"));
        QVERIFY(m_program.mainMenu()->isVisible());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void disclaimerFromTheStrategiesMenu()
    {
        m_program.navigator()->openPage("frmStrategies");
        QVERIFY(m_program.click("frmStrategies", "cmdReadFirst"));
        QCOMPARE(boxText(m_program, "frmDisclaimer", "rtfDisclaimer"), textNamed("Disclaim.rtf"));
    }

    void missingDisclaimerFileIsSilent()
    {
        QFile::remove(m_program.filePath("Privacy.rtf"));
        QVERIFY(m_program.click("frmAAMenu", "cmdReadFirst"));
        trigger(m_program, "frmDisclaimer", "cmdPrivacy");
        QVERIFY(boxText(m_program, "frmDisclaimer", "rtfDisclaimer").isEmpty());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
        trigger(m_program, "frmDisclaimer", "mnuBack");
        QCOMPARE(boxText(m_program, "frmDisclaimer", "rtfDisclaimer"), textNamed("Disclaim.rtf"));

        // Missing at load too: the window opens with an empty box.
        m_program.navigator()->closePage("frmDisclaimer");
        QFile::remove(m_program.filePath("Disclaim.rtf"));
        QVERIFY(m_program.click("frmAAMenu", "cmdReadFirst"));
        QVERIFY(m_program.window("frmDisclaimer"));
        QVERIFY(boxText(m_program, "frmDisclaimer", "rtfDisclaimer").isEmpty());
        trigger(m_program, "frmDisclaimer", "mnuNextPage");
        QCOMPARE(boxText(m_program, "frmDisclaimer", "rtfDisclaimer"), textNamed("CopyLiab.rtf"));
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void escapeOnTheDisclaimerEndsTheProgram_data()
    {
        QTest::addColumn<bool>("focusInBox");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("on the window") << false << int(Qt::NoModifier);
        QTest::newRow("while the document box has the focus") << true << int(Qt::NoModifier);
        QTest::newRow("with Shift") << true << int(Qt::ShiftModifier);
    }
    void escapeOnTheDisclaimerEndsTheProgram()
    {
        QFETCH(bool, focusInBox);
        QFETCH(int, modifiers);
        QPointer<PageWindow> other = m_program.navigator()->openPage("frmTheoriesOrtho");
        QSignalSpy closingSteps(other.data(), &PageWindow::closing);
        QSignalSpy ended(m_program.navigator(), &halvora::PageNavigator::programEnded);
        QVERIFY(m_program.click("frmAAMenu", "cmdReadFirst"));
        QWidget *target = m_program.window("frmDisclaimer");
        if (focusInBox)
            target = m_program.control("frmDisclaimer", "rtfDisclaimer");

        // Other keys do nothing.
        QTest::keyClick(target, Qt::Key_A);
        QTest::keyClick(target, Qt::Key_Return);
        QVERIFY(m_program.window("frmDisclaimer"));
        QCOMPARE(ended.count(), 0);

        // The program's event loop ends with status 0.
        QTimer::singleShot(0, target, [target, modifiers] {
            QTest::keyClick(target, Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
        });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(closingSteps.count(), 0);
        flushDeletes();
        QVERIFY(!m_program.mainMenu());
        QVERIFY(other.isNull());
    }

    void documentFromAnotherWriter_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("hasTable");
        QTest::newRow("LibreOffice") << QStringLiteral("libreoffice-document.rtf") << true;
        QTest::newRow("pandoc") << QStringLiteral("pandoc-document.rtf") << true;
        // Written by hand as WordPad writes: code-page fonts for Greek and
        // Chinese, old-style bullets, and no tables, which WordPad cannot make.
        QTest::newRow("WordPad style") << QStringLiteral("wordpad-document.rtf") << false;
    }
    void documentFromAnotherWriter()
    {
        // Both were written from tests/data/rtf/other-writer.md: pandoc directly,
        // LibreOffice from the Word document pandoc made of it.
        QFETCH(QString, file);
        QFETCH(bool, hasTable);
        m_program.writeFile("Disclaim.rtf", fixture(file));
        QVERIFY(m_program.click("frmAAMenu", "cmdReadFirst"));
        auto *box = qobject_cast<QTextEdit *>(m_program.control("frmDisclaimer", "rtfDisclaimer"));
        const QString text = box->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("Disclaimer from another writer\n"
                                                "Plain text with café, naïve, Zürich; Greek Ελληνικά; Chinese 中文; an emoji 😀.\n"
                                                "A bold run, an italic run and both at once in one paragraph.\n")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("•\tfirst item\n•\tsecond item with bold\n")), qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("Last paragraph.")));

        // Bold and italic runs as written.
        QStringList runs;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                const bool bold = f.fontWeight() >= QFont::Bold, italic = f.fontItalic();
                if ((bold || italic) && !it.fragment().text().trimmed().isEmpty())
                    runs << QStringLiteral("%1%2:%3").arg(bold ? "b" : "", italic ? "i" : "", it.fragment().text());
            }
        }
        QCOMPARE(runs, QStringList({"b:Disclaimer from another writer", "b:bold run", "i:italic run", "bi:both at once",
                                    "b:bold"}));

        if (!hasTable)
            return;
        // The table, as a table.
        QTextTable *table = box->document()->find(QStringLiteral("alpha")).currentTable();
        QVERIFY(table);
        QCOMPARE(table->rows(), 3);
        QCOMPARE(table->columns(), 2);
        QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("Name"));
        QCOMPARE(table->cellAt(2, 1).firstCursorPosition().block().text(), QStringLiteral("β"));
    }

    void builtInDocuments_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QSize>("client");
        QTest::newRow("glossary") << "cmdGlossary" << "frmGlossary" << "Glossary" << "rtfGlossary" << QSize(8445, 6405);
        QTest::newRow("sources") << "lblSources" << "frmSources" << "Sources" << "rtfSources" << QSize(8340, 5895);
    }
    void builtInDocuments()
    {
        QFETCH(QString, control);
        QFETCH(QString, page);
        QFETCH(QString, caption);
        QFETCH(QString, box);
        QFETCH(QSize, client);
        if (!QFile::exists(QStringLiteral(":/documents/") + caption + QStringLiteral(".rtf")))
            QSKIP("the document's source is not written yet");
        if (control == QLatin1String("lblSources"))
            QVERIFY(m_program.click("frmAAMenu", "cmdResearch"));
        QVERIFY(m_program.click("frmAAMenu", control));
        PageWindow *window = m_program.window(page);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), twips::toPixels(client));
        QWidget *edit = m_program.control(page, box);
        QCOMPARE(edit->geometry(), window->rect());
        QVERIFY(boxText(m_program, page.toLatin1(), box.toLatin1()).startsWith(caption + u'\n'));
        if (page == QLatin1String("frmGlossary"))
            QCOMPARE(window->pos(), window->screen()->availableGeometry().topLeft());
        // The box keeps filling the window at any size.
        window->resize(window->width() + 50, window->height() + 40);
        QTRY_COMPARE(edit->geometry(), window->rect());
    }

private:
    TestProgram m_program;
};

QTEST_MAIN(TestDocumentPages)
#include "tst_documentpages.moc"
