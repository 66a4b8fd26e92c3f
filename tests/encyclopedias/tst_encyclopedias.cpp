#include "Controls.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"
#include "encyclopedias/Encyclopedia.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

using halvora::TextBox;

namespace {

const QString crLf = QStringLiteral("\r\n");

// One row of the topic list in tests/data: what a reader must see.
struct Expected
{
    QString page;
    QString button;
    QString caption;
    QString title;
    QString shape;
};

QList<Expected> expectedTopics()
{
    QFile file(QStringLiteral(HALVORA_TEST_DATA "/encyclopedias/topics.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Expected> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() == 5)
            rows.append({f[0], f[1], f[2], f[3], f[4]});
    }
    return rows;
}

// The whole article as a pattern: the title and the fixed headings exactly,
// each paragraph one non-empty line, the separators as written. Articles
// whose title is shown in labels start with one line end instead.
QRegularExpression articlePattern(const Expected &e)
{
    QString pattern = e.page == QLatin1String("frmFoods") ? QStringLiteral("\\r\\n") : QString();
    static const QRegularExpression token(QStringLiteral("\"[^\"]*\"|¶¶|¶|\\+|T|P"));
    for (auto it = token.globalMatch(e.shape); it.hasNext();) {
        const QString t = it.next().captured();
        if (t == QLatin1String("T"))
            pattern += QRegularExpression::escape(e.title);
        else if (t == QLatin1String("P"))
            pattern += QStringLiteral("[^\\r\\n]*[^\\s][^\\r\\n]*");
        else if (t == u"¶¶")
            pattern += QStringLiteral("\\r\\n\\r\\n");
        else if (t == u"¶")
            pattern += QStringLiteral("\\r\\n");
        else if (t == QLatin1String("+"))
            pattern += QStringLiteral("(?= )"); // a joined block starts with its own blank
        else
            pattern += QRegularExpression::escape(t.mid(1, t.size() - 2));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

TextBox *articleBox(TestProgram &program, const QString &page)
{
    return qobject_cast<TextBox *>(program.control(page, page == QLatin1String("frmFoods") ? "txtFoods" : "txtVitMin"));
}

// Opens an encyclopedia as a reader does: from the remedies menu.
bool openFromMenu(TestProgram &program, const QString &page)
{
    static const QHash<QString, QString> menuButton = {
        {"frmHerbs", "cmdHerbs"}, {"frmFoods", "cmdFoods"}, {"frmVitMin", "cmdVitamins"}};
    if (!program.navigator()->openPage("frmAlternatives"))
        return false;
    return program.click("frmAlternatives", menuButton.value(page)) && program.window(page);
}

} // namespace

class TestEncyclopedias : public QObject
{
    Q_OBJECT
private slots:
    void everyTopicShowsItsArticle_data()
    {
        QTest::addColumn<QString>("page");
        const QList<Expected> rows = expectedTopics();
        QVERIFY(rows.size() == 122);
        for (const char *page : {"frmHerbs", "frmFoods", "frmVitMin"})
            QTest::newRow(page) << page;
    }
    // Every button of the page, in table order: name, caption, place in the
    // grid, and the article's exact shape after a click.
    void everyTopicShowsItsArticle()
    {
        QFETCH(QString, page);
        TestProgram program;
        QVERIFY(program.start());
        QVERIFY(openFromMenu(program, page));
        TextBox *box = articleBox(program, page);
        QVERIFY(box);

        QList<QPushButton *> buttons;
        for (const Expected &e : expectedTopics()) {
            if (e.page != page)
                continue;
            auto *button = qobject_cast<QPushButton *>(program.control(page, e.button));
            QVERIFY2(button, qPrintable(e.button));
            QCOMPARE(button->text(), e.caption);
            buttons.append(button);
            QVERIFY(program.click(page, e.button));
            const QString text = box->property("text").toString();
            QVERIFY2(articlePattern(e).match(text).hasMatch(), qPrintable(e.button + ": " + QString(text).replace(crLf, "|")));
            if (page == QLatin1String("frmFoods")) {
                QCOMPARE(program.control(page, "lblTitle")->property("text").toString(), e.title);
                QCOMPARE(program.control(page, "lblTitle2")->property("text").toString(), e.title);
            }
            // Shown from its first line, nothing selected.
            QCOMPARE(box->textCursor().position(), 0);
            QVERIFY(!box->textCursor().hasSelection());
            QCOMPARE(box->verticalScrollBar()->value(), 0);
        }
        // The buttons fill their grid row by row in table order.
        for (int i = 1; i < buttons.size(); ++i) {
            const QRect a = buttons.at(i - 1)->geometry(), b = buttons.at(i)->geometry();
            QVERIFY2(b.top() > a.top() || (b.top() == a.top() && b.left() > a.left()), qPrintable(buttons.at(i)->objectName()));
        }
    }

    void initialTexts()
    {
        TestProgram program;
        QVERIFY(program.start());
        QVERIFY(openFromMenu(program, "frmHerbs"));
        QCOMPARE(articleBox(program, "frmHerbs")->property("text").toString(),
                 crLf.repeated(3) + QString(53, ' ') + "List of herbs that have shown " + crLf + QString(56, ' ')
                     + "to be beneficial for Cancer!" + crLf);

        QVERIFY(openFromMenu(program, "frmFoods"));
        QCOMPARE(articleBox(program, "frmFoods")->property("text").toString(),
                 crLf.repeated(4) + QString(39, ' ') + "Hippocrates - The Father of Medicine:" + crLf + QString(47, ' ')
                     + "\"Let food be your medicine, " + crLf + QString(48, ' ') + "then the body will heal itself.\"" + crLf);
        QCOMPARE(program.control("frmFoods", "lblTitle")->property("text").toString(), "Click any button");
        QCOMPARE(program.control("frmFoods", "lblTitle2")->property("text").toString(), "Click any button");

        // The vitamins page opens with Calcium, exactly as its button shows it.
        QVERIFY(openFromMenu(program, "frmVitMin"));
        TextBox *vitamins = articleBox(program, "frmVitMin");
        const QString atOpen = vitamins->property("text").toString();
        QVERIFY(atOpen.startsWith("Calcium" + crLf + crLf));
        QVERIFY(program.click("frmVitMin", "cmdCalcium"));
        QCOMPARE(vitamins->property("text").toString(), atOpen);
    }

    void captionsAndLook()
    {
        TestProgram program;
        QVERIFY(program.start());
        const QList<QPair<QString, QString>> captions = {{"frmHerbs", "Herbal Treatments for certain Cancers"},
                                                         {"frmFoods", "Beneficial Foods for Cancer"},
                                                         {"frmVitMin", "Beneficial Vitamins and Minerals"}};
        for (const auto &[page, caption] : captions) {
            QVERIFY(openFromMenu(program, page));
            QCOMPARE(program.window(page)->windowTitle(), caption);
            // No chain buttons of their own: the close box closes them.
            for (const char *name : {"cmdBack", "cmdNext", "cmdClose"})
                QVERIFY(!program.control(page, name));
        }
        auto face = [&program](const QString &page, const QString &button) {
            QWidget *control = program.control(page, button);
            return control ? control->styleSheet() : QString();
        };
        QVERIFY(face("frmHerbs", "cmdAloe").contains("#c0e0ff"));
        QVERIFY(face("frmFoods", "cmdAlkaline").contains("#c0c000"));
        QVERIFY(face("frmVitMin", "cmdZinc").contains("#e0e0e0"));
        QVERIFY(program.control("frmVitMin", "cmdZinc")->font().bold());
        QVERIFY(!program.control("frmHerbs", "cmdAloe")->font().bold());
    }

    // Typing is allowed and kept nowhere: the next click, and the next opening, restore.
    void typedTextIsNeverKept()
    {
        TestProgram program;
        QVERIFY(program.start());
        QVERIFY(openFromMenu(program, "frmHerbs"));
        TextBox *box = articleBox(program, "frmHerbs");
        const QStringList filesBefore = QDir(program.folder()).entryList(QDir::Files);

        QVERIFY(program.click("frmHerbs", "cmdGarlic"));
        const QString garlic = box->property("text").toString();
        QVERIFY(program.click("frmHerbs", "cmdGarlic"));
        QCOMPARE(box->property("text").toString(), garlic); // twice shows it once

        QVERIFY(program.click("frmHerbs", "cmdAloe"));
        const QString aloe = box->property("text").toString();
        box->setFocus();
        QTest::keyClicks(box, "my own notes");
        QVERIFY(box->property("text").toString().contains("my own notes"));
        // A megabyte pasted on one line would stall the layout for minutes: a paste adds a bounded part.
        QApplication::clipboard()->setText(QString(1 << 20, 'x'));
        const qsizetype before = box->toPlainText().size();
        box->paste();
        QCOMPARE(box->toPlainText().size() - before, TextBox::largestPaste);
        QVERIFY(program.click("frmHerbs", "cmdGarlic"));
        QCOMPARE(box->property("text").toString(), garlic);
        QVERIFY(program.click("frmHerbs", "cmdAloe"));
        QCOMPARE(box->property("text").toString(), aloe);

        box->paste();
        program.navigator()->closePage("frmHerbs");
        QVERIFY(openFromMenu(program, "frmHerbs"));
        QVERIFY(articleBox(program, "frmHerbs")->property("text").toString().contains("List of herbs that have shown"));
        QCOMPARE(QDir(program.folder()).entryList(QDir::Files), filesBefore);
    }

    void tabOrder()
    {
        TestProgram program;
        QVERIFY(program.start());
        QVERIFY(openFromMenu(program, "frmVitMin"));
        // What Tab reaches next: the next control in the focus chain that takes Tab.
        auto next = [](QWidget *w) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(w->window()));
            return w;
        };
        QWidget *calcium = program.control("frmVitMin", "cmdCalcium");
        QCOMPARE(next(calcium)->objectName(), "cmdCarotene");
        QCOMPARE(next(next(calcium))->objectName(), "txtVitMin");
        QCOMPARE(next(next(next(calcium)))->objectName(), "cmdQ10");
        QVERIFY(program.control("frmVitMin", "txtVitMin")->focusPolicy() & Qt::TabFocus);
        // The herbs and foods boxes are no tab stops.
        QVERIFY(openFromMenu(program, "frmHerbs"));
        QVERIFY(!(program.control("frmHerbs", "txtVitMin")->focusPolicy() & Qt::TabFocus));
        QVERIFY(openFromMenu(program, "frmFoods"));
        QVERIFY(!(program.control("frmFoods", "txtFoods")->focusPolicy() & Qt::TabFocus));
    }

    // The composition rules on their own, including those only one topic uses.
    void composition_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("composed");
        const QString t = QStringLiteral(R"({"page": "frmX", "box": "txtX", "grid": {"columns": 2}, %1 "topics": [
            {"button": "cmdA", "caption": "A", "title": "Title A", %2 "blocks": [%3]}]})");
        auto row = [&t](const char *name, const QString &labels, const QString &trailing, const QString &blocks, const QString &composed) {
            QTest::newRow(name) << t.arg(labels, trailing, blocks) << composed;
        };
        row("title, empty line, paragraph", "", "", R"({"sep": "blank", "text": "One."})", "Title A\r\n\r\nOne.");
        row("line break under the title", "", "", R"({"sep": "line", "text": "One."})", "Title A\r\nOne.");
        row("heading and joined blocks", "", "",
            R"({"sep": "blank", "heading": "Caution?"}, {"sep": "line", "text": "One."}, {"sep": "joined", "text": " Two."})",
            "Title A\r\n\r\nCaution?\r\nOne. Two.");
        row("title in labels: one line end first", R"("titleLabels": ["lblT"],)", "", R"({"sep": "none", "text": "One."}, {"sep": "blank", "text": "Two."})",
            "\r\nOne.\r\n\r\nTwo.");
        row("trailing line end", R"("titleLabels": ["lblT"],)", R"("trailing": "line",)", R"({"text": "One."})", "\r\nOne.\r\n");
    }
    void composition()
    {
        QFETCH(QString, table);
        QFETCH(QString, composed);
        QTemporaryDir dir;
        QFile file(dir.filePath("table.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(table.toUtf8());
        file.close();
        QString error;
        const auto encyclopedia = halvora::encyclopedias::Encyclopedia::load(file.fileName(), &error);
        QVERIFY2(encyclopedia, qPrintable(error));
        QCOMPARE(encyclopedia->compose(encyclopedia->topics().first()), composed);
    }

    void malformedTablesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::newRow("not JSON") << QByteArray("{ topics: ");
        QTest::newRow("no grid") << QByteArray(R"({"page": "frmX", "box": "txtX", "topics": []})");
        QTest::newRow("unknown separator") << QByteArray(R"({"page": "frmX", "box": "txtX", "grid": {"columns": 1}, "topics": [
            {"button": "cmdA", "caption": "A", "title": "A", "blocks": [{"sep": "twice", "text": "x"}]}]})");
        QTest::newRow("empty paragraph") << QByteArray(R"({"page": "frmX", "box": "txtX", "grid": {"columns": 1}, "topics": [
            {"button": "cmdA", "caption": "A", "title": "A", "blocks": [{"sep": "blank", "text": ""}]}]})");
        QTest::newRow("line end in a paragraph") << QByteArray(R"({"page": "frmX", "box": "txtX", "grid": {"columns": 1}, "topics": [
            {"button": "cmdA", "caption": "A", "title": "A", "blocks": [{"sep": "blank", "text": "a\nb"}]}]})");
        QTest::newRow("shown at load names no topic") << QByteArray(R"({"page": "frmX", "box": "txtX", "shownAtLoad": "cmdZ", "grid": {"columns": 1}, "topics": [
            {"button": "cmdA", "caption": "A", "title": "A", "blocks": [{"sep": "blank", "text": "a"}]}]})");
    }
    void malformedTablesAreRefused()
    {
        QFETCH(QByteArray, table);
        QTemporaryDir dir;
        QFile file(dir.filePath("table.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(table);
        file.close();
        QString error;
        QVERIFY(!halvora::encyclopedias::Encyclopedia::load(file.fileName(), &error));
        QVERIFY(!error.isEmpty());
    }

    // The shipped tables load whole.
    void shippedTablesLoad()
    {
        const QStringList resources = halvora::encyclopedias::Encyclopedia::resources();
        QCOMPARE(resources.size(), 3);
        for (const QString &resource : resources) {
            QString error;
            QVERIFY2(halvora::encyclopedias::Encyclopedia::load(resource, &error), qPrintable(error));
        }
    }
};

QTEST_MAIN(TestEncyclopedias)
#include "tst_encyclopedias.moc"
