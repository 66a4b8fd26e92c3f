#include "DocumentSummary.h"

#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

using halvora::RtfReader;
using halvora::RtfWriter;
using halvora::test::describe;

using Builder = void (*)(QTextDocument *);
Q_DECLARE_METATYPE(Builder)

namespace {

QTextCharFormat charFormat(void (*setup)(QTextCharFormat &))
{
    QTextCharFormat format;
    setup(format);
    return format;
}

void appendParagraph(QTextDocument *doc, const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    if (!doc->isEmpty() || doc->blockCount() > 1)
        cursor.insertBlock();
    QTextBlockFormat block;
    block.setAlignment(alignment);
    cursor.setBlockFormat(block);
    cursor.insertText(text);
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void screenSetting_data();
    void screenSetting();
    void roundTrip_data();
    void roundTrip();
    void fixturesRoundTrip();
    void tablesRoundTrip();
    void listItemsKeepTheirMarkers();
};

void TestRtfWriter::screenSetting_data()
{
    QTest::addColumn<QString>("digit");
    QTest::newRow("maximized") << QStringLiteral("2");
    QTest::newRow("normal") << QStringLiteral("0");
}

void TestRtfWriter::screenSetting()
{
    QFETCH(QString, digit);
    QTextDocument doc;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.5);
    doc.setDefaultFont(font);
    doc.setPlainText(digit);

    const QByteArray expected = "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
                                "\\viewkind4\\uc1\\pard\\f0\\fs17 " + digit.toLatin1() + "\r\n\\par }";
    QCOMPARE(RtfWriter::write(doc), expected);
}

void TestRtfWriter::roundTrip_data()
{
    QTest::addColumn<Builder>("build");

    QTest::newRow("empty document") << Builder([](QTextDocument *) {});
    QTest::newRow("two empty paragraphs") << Builder([](QTextDocument *d) { d->setPlainText(QStringLiteral("\n")); });
    QTest::newRow("empty paragraph between text")
        << Builder([](QTextDocument *d) { d->setPlainText(QStringLiteral("one\n\nthree")); });
    QTest::newRow("accents") << Builder([](QTextDocument *d) {
        d->setPlainText(QStringLiteral("café naïve Zürich ÀÉÎÕÜ ß ÿ ñ"));
    });
    QTest::newRow("typographic quotes and dashes") << Builder([](QTextDocument *d) {
        d->setPlainText(QStringLiteral("“double” ‘single’ – — … € ™ • ‚low„ non\u00A0breaking soft\u00ADhyphen"));
    });
    QTest::newRow("non-Latin scripts") << Builder([](QTextDocument *d) {
        d->setPlainText(QStringLiteral("Ελληνικά Русский 日本語 עברית العربية ไทย"));
    });
    QTest::newRow("characters above U+FFFF") << Builder([](QTextDocument *d) {
        d->setPlainText(QStringLiteral("clef 𝄞 and face 😀!"));
    });
    QTest::newRow("RTF syntax characters") << Builder([](QTextDocument *d) {
        d->setPlainText(QStringLiteral("back\\slash {braces} semi;colon \\par \\'41"));
    });
    QTest::newRow("tab and line separator") << Builder([](QTextDocument *d) {
        d->setPlainText(QStringLiteral("a\tb\u2028c"));
    });
    QTest::newRow("digits and spaces right after formatting") << Builder([](QTextDocument *d) {
        QTextCursor c(d);
        c.insertText(QStringLiteral("1"), charFormat([](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); }));
        c.insertText(QStringLiteral(" 2  spaced "), QTextCharFormat());
        c.insertText(QStringLiteral("3"), charFormat([](QTextCharFormat &f) { f.setFontPointSize(20); }));
    });
    QTest::newRow("formatting runs") << Builder([](QTextDocument *d) {
        QTextCursor c(d);
        c.insertText(QStringLiteral("plain "));
        c.insertText(QStringLiteral("bold "), charFormat([](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); }));
        c.insertText(QStringLiteral("italic "), charFormat([](QTextCharFormat &f) { f.setFontItalic(true); }));
        c.insertText(QStringLiteral("both "), charFormat([](QTextCharFormat &f) {
            f.setFontWeight(QFont::Bold);
            f.setFontItalic(true);
        }));
        c.insertText(QStringLiteral("underline "), charFormat([](QTextCharFormat &f) { f.setFontUnderline(true); }));
        c.insertText(QStringLiteral("strike "), charFormat([](QTextCharFormat &f) { f.setFontStrikeOut(true); }));
        c.insertText(QStringLiteral("x"));
        c.insertText(QStringLiteral("2"), charFormat([](QTextCharFormat &f) {
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        }));
        c.insertText(QStringLiteral(" H"));
        c.insertText(QStringLiteral("2"), charFormat([](QTextCharFormat &f) {
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        }));
        c.insertText(QStringLiteral("O"));
    });
    QTest::newRow("colours") << Builder([](QTextDocument *d) {
        QTextCursor c(d);
        c.insertText(QStringLiteral("red "), charFormat([](QTextCharFormat &f) { f.setForeground(QColor(255, 0, 0)); }));
        c.insertText(QStringLiteral("auto "));
        c.insertText(QStringLiteral("teal on yellow "), charFormat([](QTextCharFormat &f) {
            f.setForeground(QColor(0, 128, 128));
            f.setBackground(QColor(255, 255, 0));
        }));
        c.insertText(QStringLiteral("red again"), charFormat([](QTextCharFormat &f) { f.setForeground(QColor(255, 0, 0)); }));
    });
    QTest::newRow("fonts and sizes") << Builder([](QTextDocument *d) {
        QTextCursor c(d);
        c.insertText(QStringLiteral("Arial ten "), charFormat([](QTextCharFormat &f) {
            f.setFontFamilies({QStringLiteral("Arial")});
            f.setFontPointSize(10);
        }));
        c.insertText(QStringLiteral("Times thirteen and a half "), charFormat([](QTextCharFormat &f) {
            f.setFontFamilies({QStringLiteral("Times New Roman")});
            f.setFontPointSize(13.5);
        }));
        c.insertText(QStringLiteral("odd name"), charFormat([](QTextCharFormat &f) {
            f.setFontFamilies({QStringLiteral("Odd;Name {x} \\ Été")});
        }));
    });
    QTest::newRow("alignment") << Builder([](QTextDocument *d) {
        appendParagraph(d, QStringLiteral("left"));
        appendParagraph(d, QStringLiteral("centre"), Qt::AlignHCenter);
        appendParagraph(d, QStringLiteral("right"), Qt::AlignRight);
        appendParagraph(d, QStringLiteral("justified"), Qt::AlignJustify);
    });
    QTest::newRow("one centred paragraph") << Builder([](QTextDocument *d) {
        appendParagraph(d, QStringLiteral("alone"), Qt::AlignHCenter);
    });
    QTest::newRow("indents and spacing") << Builder([](QTextDocument *d) {
        QTextCursor c(d);
        QTextBlockFormat block;
        block.setLeftMargin(48);
        block.setTextIndent(-24);
        block.setRightMargin(10);
        block.setTopMargin(6);
        block.setBottomMargin(12);
        c.setBlockFormat(block);
        c.insertText(QStringLiteral("hanging indent"));
        c.insertBlock(QTextBlockFormat());
        c.insertText(QStringLiteral("flush"));
    });
}

void TestRtfWriter::roundTrip()
{
    QFETCH(Builder, build);
    QTextDocument original;
    build(&original);

    const QByteArray rtf = RtfWriter::write(original);
    QVERIFY2(std::all_of(rtf.cbegin(), rtf.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }),
             "the writer emits ASCII only");

    QTextDocument copy;
    const auto result = RtfReader::read(rtf, &copy);
    QVERIFY2(result.ok, qPrintable(result.error + u'\n' + QString::fromLatin1(rtf)));
    QCOMPARE(describe(copy), describe(original));

    QString text;
    QVERIFY(RtfReader::plainText(rtf, &text).ok);
    QCOMPARE(text, original.toPlainText());
}

void TestRtfWriter::fixturesRoundTrip()
{
    const QStringList files = QDir(QStringLiteral(HALVORA_RTF_FIXTURES)).entryList({QStringLiteral("*.rtf")});
    QVERIFY(files.size() >= 5);
    for (const QString &file : files) {
        QTextDocument read;
        QVERIFY2(RtfReader::read(halvora::test::readFixture(file), &read).ok, qPrintable(file));
        QTextDocument again;
        QVERIFY2(RtfReader::read(RtfWriter::write(read), &again).ok, qPrintable(file));
        QCOMPARE(describe(again), describe(read));
    }
}

void TestRtfWriter::tablesRoundTrip()
{
    QTextDocument original;
    QTextCursor c(&original);
    c.insertText(QStringLiteral("before"));
    QTextTable *table = c.insertTable(2, 3);
    const QStringList cells = {QStringLiteral("Stage"), QStringLiteral("Größe"), QStringLiteral("Ελληνικά"),
                               QStringLiteral("I"), QString(), QStringLiteral("small; {not} spread")};
    for (int i = 0; i < cells.size(); ++i) {
        QTextCursor cell = table->cellAt(i / 3, i % 3).firstCursorPosition();
        cell.insertText(cells.at(i), i < 3 ? charFormat([](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); })
                                           : QTextCharFormat());
    }
    QTextCursor second = table->cellAt(1, 0).lastCursorPosition();
    second.insertBlock();
    second.insertText(QStringLiteral("two paragraphs"));
    QTextCursor trailing = table->cellAt(0, 0).lastCursorPosition();
    trailing.insertBlock(); // an empty paragraph at a cell's end is kept
    c = table->lastCursorPosition();
    c.movePosition(QTextCursor::NextBlock);
    c.insertText(QStringLiteral("after"));

    const QByteArray rtf = RtfWriter::write(original);
    QTextDocument copy;
    const auto result = RtfReader::read(rtf, &copy);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(halvora::test::outline(copy), halvora::test::outline(original));
    QCOMPARE(halvora::test::outline(copy),
             QStringLiteral("|before|[Stage/,Größe,Ελληνικά;I/two paragraphs,,small; {not} spread]|after|"));
    QCOMPARE(describe(copy), describe(original));
    // Readers that know no tables still see every cell.
    QString text;
    QVERIFY(RtfReader::plainText(rtf, &text).ok);
    QCOMPARE(text, QStringLiteral("before\nStage\n\tGröße\tΕλληνικά\t\nI\ntwo paragraphs\t\tsmall; {not} spread\t\nafter"));
}

void TestRtfWriter::listItemsKeepTheirMarkers()
{
    QTextDocument original;
    original.setMarkdown(QStringLiteral("Intro\n\n- first *point*\n- second\n  - nested\n\n1. one\n2. two\n"));

    QTextDocument copy;
    QVERIFY(RtfReader::read(RtfWriter::write(original), &copy).ok);
    QCOMPARE(copy.toPlainText(), QStringLiteral("Intro\n•\tfirst point\n•\tsecond\n•\tnested\n1.\tone\n2.\ttwo"));

    // The marker hangs in the indent, and the text after it lines up with
    // wrapped lines; a nested item is indented one step further.
    const QTextBlock first = copy.findBlockByNumber(1);
    QCOMPARE(first.blockFormat().leftMargin(), 24.0);
    QCOMPARE(first.blockFormat().textIndent(), -24.0);
    QCOMPARE(first.blockFormat().tabPositions().value(0).position, 24.0);
    QCOMPARE(copy.findBlockByNumber(3).blockFormat().leftMargin(), 48.0);
    const QTextCursor point = copy.find(QStringLiteral("point"));
    QVERIFY(point.charFormat().fontItalic());
    const QTextCursor marker = copy.find(QStringLiteral("•"));
    QVERIFY(!marker.charFormat().fontItalic());
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
