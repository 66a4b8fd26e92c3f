#include "DocumentSummary.h"

#include "rtf/RtfReader.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

using halvora::RtfReader;
using halvora::test::readFixture;

namespace {

// The effective value of one property at the first occurrence of `word`.
QString propertyAt(const QTextDocument &doc, const QString &word, const QString &property)
{
    const QTextCursor found = doc.find(word, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return QStringLiteral("<%1 not found>").arg(word);
    QTextCursor at(const_cast<QTextDocument *>(&doc));
    at.setPosition(found.selectionStart() + 1);
    const QTextCharFormat format = at.charFormat();
    const QTextBlockFormat block = at.blockFormat();
    const auto yesNo = [](bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); };
    const auto brush = [](const QBrush &b) {
        return b.style() == Qt::NoBrush ? QStringLiteral("none") : b.color().name();
    };
    if (property == u"bold")
        return yesNo(format.fontWeight() >= QFont::Bold);
    if (property == u"italic")
        return yesNo(format.fontItalic());
    if (property == u"underline")
        return yesNo(format.fontUnderline());
    if (property == u"strike")
        return yesNo(format.fontStrikeOut());
    if (property == u"family")
        return format.fontFamilies().toStringList().value(0);
    if (property == u"size")
        return QString::number(format.fontPointSize());
    if (property == u"color")
        return brush(format.foreground());
    if (property == u"background")
        return brush(format.background());
    if (property == u"indent")
        return QString::number(block.leftMargin()) + u',' + QString::number(block.textIndent());
    if (property == u"align") {
        const Qt::Alignment a = block.alignment() & Qt::AlignHorizontal_Mask;
        return a == Qt::AlignHCenter ? QStringLiteral("center")
            : a == Qt::AlignRight    ? QStringLiteral("right")
            : a == Qt::AlignJustify  ? QStringLiteral("justify")
                                     : QStringLiteral("left");
    }
    return QStringLiteral("<unknown property %1>").arg(property);
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void fixtureText_data();
    void fixtureText();
    void fixtureFormatting_data();
    void fixtureFormatting();
    void screenSetting();
    void edgeCases_data();
    void edgeCases();
    void lineBreakStaysInParagraph();
    void tables_data();
    void tables();
    void tablesStayInProportionToTheInput();
    void hangingIndentKeepsItsTabStop();
    void malformed_data();
    void malformed();
    void readReplacesDocument();
};

void TestRtfReader::fixtureText_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");

    QTest::newRow("libreoffice from html") << "libreoffice-formatting.rtf"
        << QStringLiteral("Plain paragraph with café, naïve, Zürich and “quotes” – dashes — ok.\n"
                          "Bold Italic Underlined Struck Red\n"
                          "Centered paragraph\n"
                          "Right aligned\n"
                          "Courier sixteen\n"
                          "Русский текст, Ελληνικά, 日本語, emoji 😀.\n"
                          "Line one\nLine two");
    QTest::newRow("libreoffice from text") << "libreoffice-plain.rtf"
        << QStringLiteral("First line of plain text with accents: àéîõü ß.\n"
                          "Second line with a tab\there and a backslash \\ and {braces}.\n"
                          "\n"
                          "After an empty line.");
    QTest::newRow("pandoc") << "pandoc.rtf"
        << QStringLiteral("Heading One\n"
                          "A paragraph with bold, italic, struck and code text, plus a link.\n"
                          "•\tFirst bullet\n"
                          "•\tSecond bullet with “curly quotes” and café\n"
                          "1.\tNumbered one\n"
                          "2.\tNumbered two\n"
                          "Non-Latin: Ελληνικά, 中文, 𝄞 clef.");
    QTest::newRow("wordpad style") << "wordpad.rtf"
        << QStringLiteral("Centered title\n"
                          "Plain, italic, underline, struck, red and blue on yellow.\n"
                          "Arial café “quoted” – dash — ‘single’ nbsp\n"
                          "•\tBullet one\n"
                          "•\tBullet two\n"
                          "Right\nsecond line\ttabbed\n"
                          "Euro € sign and x2 H2O\n"
                          "Привет");
    QTest::newRow("wordpad style, Shift_JIS") << "wordpad-shiftjis.rtf"
        << QStringLiteral("日本語の表示。\nアイウ Latin é in Arial");
    QTest::newRow("word processor style") << "word-style.rtf"
        << QStringLiteral("Justified paragraph with a hyperlink, a page number 1 and a footnote.\n"
                          "Привет, мир and 日本 mixed.\n"
                          "•\tList item with bold word\n"
                          "Centered after a picture\n"
                          "Object result text\n"
                          "Cell A1\tCell B1\t\n"
                          "Binary skipped: after.\n"
                          "Unicode version\n"
                          "visible “end”");
    QTest::newRow("screen setting") << "screen.rtf" << QStringLiteral("2");
}

void TestRtfReader::fixtureText()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    const QByteArray rtf = readFixture(file);
    QVERIFY(!rtf.isEmpty());

    QString plain;
    const auto plainResult = RtfReader::plainText(rtf, &plain);
    QVERIFY2(plainResult.ok, qPrintable(plainResult.error));
    QCOMPARE(plain, text);

    QTextDocument doc;
    const auto docResult = RtfReader::read(rtf, &doc);
    QVERIFY2(docResult.ok, qPrintable(docResult.error));
    QCOMPARE(halvora::test::textByRows(doc), text);
}

void TestRtfReader::fixtureFormatting_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *file, const char *word, const char *property, const char *expected) {
        QTest::addRow("%s: %s %s", file, word, property)
            << QString::fromLatin1(file) << QString::fromUtf8(word) << QString::fromLatin1(property)
            << QString::fromUtf8(expected);
    };
    row("libreoffice-formatting.rtf", "Plain", "family", "Liberation Serif");
    row("libreoffice-formatting.rtf", "Plain", "size", "12");
    row("libreoffice-formatting.rtf", "Plain", "bold", "no");
    row("libreoffice-formatting.rtf", "Bold", "bold", "yes");
    row("libreoffice-formatting.rtf", "Italic", "italic", "yes");
    row("libreoffice-formatting.rtf", "Italic", "bold", "no");
    row("libreoffice-formatting.rtf", "Underlined", "underline", "yes");
    row("libreoffice-formatting.rtf", "Struck", "strike", "yes");
    row("libreoffice-formatting.rtf", "Red", "color", "#ff0000");
    row("libreoffice-formatting.rtf", "Centered", "align", "center");
    row("libreoffice-formatting.rtf", "Right", "align", "right");
    row("libreoffice-formatting.rtf", "Courier", "family", "Courier New");
    row("libreoffice-formatting.rtf", "Courier", "size", "16");
    row("pandoc.rtf", "Heading", "bold", "yes");
    row("pandoc.rtf", "Heading", "size", "18");
    row("pandoc.rtf", "italic", "italic", "yes");
    row("pandoc.rtf", "struck", "strike", "yes");
    row("pandoc.rtf", "code", "family", "Courier");
    row("pandoc.rtf", "link", "underline", "yes");
    row("pandoc.rtf", "First bullet", "indent", "24,-24");
    row("wordpad.rtf", "Centered title", "bold", "yes");
    row("wordpad.rtf", "Centered title", "size", "14");
    row("wordpad.rtf", "Centered title", "align", "center");
    row("wordpad.rtf", "Plain", "family", "Calibri");
    row("wordpad.rtf", "Plain", "size", "11");
    row("wordpad.rtf", "Plain", "bold", "no");
    row("wordpad.rtf", "italic", "italic", "yes");
    row("wordpad.rtf", "underline", "underline", "yes");
    row("wordpad.rtf", "struck", "strike", "yes");
    row("wordpad.rtf", "red and", "color", "#ff0000");
    row("wordpad.rtf", "blue on", "color", "#004dbb");
    row("wordpad.rtf", "blue on", "background", "#ffff00");
    row("wordpad.rtf", "Arial", "family", "Arial");
    row("wordpad.rtf", "Arial", "color", "none");
    row("wordpad.rtf", "Bullet one", "indent", "48,-24");
    row("wordpad.rtf", "Right", "align", "right");
    row("word-style.rtf", "Justified", "align", "justify");
    row("word-style.rtf", "hyperlink", "underline", "yes");
    row("word-style.rtf", "hyperlink", "color", "#0000ff");
    row("word-style.rtf", "Привет", "family", "Arial Cyr");
    row("word-style.rtf", "Привет", "size", "14");
    row("word-style.rtf", "Привет", "color", "#ff0000");
    row("word-style.rtf", "bold", "bold", "yes");
    row("word-style.rtf", "word", "bold", "no");
    row("word-style.rtf", "Centered after", "align", "center");
    row("wordpad-shiftjis.rtf", "日本語", "family", "MS UI Gothic");
    row("wordpad-shiftjis.rtf", "日本語", "size", "10");
    row("wordpad-shiftjis.rtf", "Latin", "family", "Arial");
}

void TestRtfReader::fixtureFormatting()
{
    QFETCH(QString, file);
    QFETCH(QString, word);
    QFETCH(QString, property);
    QFETCH(QString, expected);

    QTextDocument doc;
    const auto result = RtfReader::read(readFixture(file), &doc);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(propertyAt(doc, word, property), expected);
}

void TestRtfReader::screenSetting()
{
    // The settings file as the settings window writes it, byte for byte.
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
                           "\\viewkind4\\uc1\\pard\\f0\\fs17 2\r\n\\par }";
    QString text;
    QVERIFY(RtfReader::plainText(rtf, &text).ok);
    QCOMPARE(text, QStringLiteral("2"));

    QTextDocument doc;
    QVERIFY(RtfReader::read(rtf, &doc).ok);
    QCOMPARE(doc.blockCount(), 1);
    QCOMPARE(propertyAt(doc, QStringLiteral("2"), QStringLiteral("family")), QStringLiteral("MS Sans Serif"));
    QCOMPARE(propertyAt(doc, QStringLiteral("2"), QStringLiteral("size")), QStringLiteral("8.5"));
}

void TestRtfReader::edgeCases_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("uc count restored when its group closes")
        << QByteArray(R"({\rtf1{\uc2\u8364\'80\'80}\u8364?x})") << QStringLiteral("€€x");
    QTest::newRow("uc0 has no fallback") << QByteArray(R"({\rtf1\uc0\u8364 x})") << QStringLiteral("€x");
    QTest::newRow("u without fallback keeps the par after it")
        << QByteArray(R"({\rtf1\u8364\par next})") << QStringLiteral("€\nnext");
    QTest::newRow("surrogate pair") << QByteArray(R"({\rtf1\u-10179?\u-8704?})") << QStringLiteral("😀");
    QTest::newRow("lone high surrogate") << QByteArray(R"({\rtf1\u-10179?x})") << QStringLiteral("\uFFFDx");
    QTest::newRow("lone low surrogate") << QByteArray(R"({\rtf1 a\u-8704?b})") << QStringLiteral("a\uFFFDb");
    QTest::newRow("bin data holding braces in text") << QByteArray(R"({\rtf1 a\bin4 }{\}b})") << QStringLiteral("ab");
    QTest::newRow("bin data holding braces in a skipped group")
        << QByteArray(R"({\rtf1 a{\pict\bin3 }}{}b})") << QStringLiteral("ab");
    QTest::newRow("field shows its result")
        << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK "http://x/"}{\fldrslt shown}}})") << QStringLiteral("shown");
    QTest::newRow("unknown ignorable destination skipped whole")
        << QByteArray(R"({\rtf1 a{\*\unknownword hidden {nested \} text}}b})") << QStringLiteral("ab");
    QTest::newRow("starred word that is no destination skips its group")
        << QByteArray(R"({\rtf1 a{\*\b x}b})") << QStringLiteral("ab");
    QTest::newRow("unknown control word ignored") << QByteArray(R"({\rtf1 a\unknownword b})") << QStringLiteral("ab");
    QTest::newRow("letters after a number start text") << QByteArray(R"({\rtf1\b0Hello})") << QStringLiteral("Hello");
    QTest::newRow("only one space after a word is swallowed")
        << QByteArray(R"({\rtf1\b   three})") << QStringLiteral("  three");
    QTest::newRow("escaped and special symbols")
        << QByteArray(R"({\rtf1 \\\{\}\~\_\-})") << QStringLiteral("\\{} \u2011\u00AD");
    QTest::newRow("named characters")
        << QByteArray(R"({\rtf1\lquote\rquote\ldblquote\rdblquote\endash\emdash\bullet\tab .})")
        << QStringLiteral("‘’“”–—•\t.");
    QTest::newRow("backslash before a line break is a paragraph")
        << QByteArray("{\\rtf1 a\\\r\nb}") << QStringLiteral("a\nb");
    QTest::newRow("bare line breaks ignored") << QByteArray("{\\rtf1 a\r\nb\n}") << QStringLiteral("ab");
    QTest::newRow("final par ignored") << QByteArray(R"({\rtf1 a\par})") << QStringLiteral("a");
    QTest::newRow("two final pars leave one empty paragraph")
        << QByteArray(R"({\rtf1 a\par\par})") << QStringLiteral("a\n");
    QTest::newRow("sect after par adds no paragraph") << QByteArray(R"({\rtf1 a\par\sect b})") << QStringLiteral("a\nb");
    QTest::newRow("page inside a paragraph ends it") << QByteArray(R"({\rtf1 a\page b})") << QStringLiteral("a\nb");
    QTest::newRow("table cells become tab-separated lines")
        << QByteArray(R"({\rtf1\trowd\cellx100\cellx200 A\cell B\cell\row after})") << QStringLiteral("A\tB\t\nafter");
    QTest::newRow("hidden text not read") << QByteArray(R"({\rtf1 a{\v b}c})") << QStringLiteral("ac");
    QTest::newRow("list text kept, symbol bullet")
        << QByteArray(R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\listtext\f1\'b7\tab}Item})") << QStringLiteral("•\tItem");
    QTest::newRow("blanks before a list marker dropped, as LibreOffice writes them")
        << QByteArray(R"({\rtf1{\listtext\pard\plain  \u8226\'95\tab}Item \par{\pntext  1.\tab}Two})")
        << QStringLiteral("•\tItem \n1.\tTwo");
    QTest::newRow("hex in the document code page") << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf})") << QStringLiteral("П");
    QTest::newRow("font charset wins over the document code page")
        << QByteArray(R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset204 B;}}\f1\'cf\f0\'cf})")
        << QStringLiteral("ПÏ");
    QTest::newRow("double-byte lead escaped, trail raw") << QByteArray(R"({\rtf1\ansi\ansicpg932 \'83A})") << QStringLiteral("ア");
    QTest::newRow("double-byte trail is an escaped backslash")
        << QByteArray(R"({\rtf1\ansi\ansicpg932 \'95\\})") << QStringLiteral("表");
    QTest::newRow("windows-1252 upper half") << QByteArray(R"({\rtf1\ansi \'80\'93\'94\'85\'e9})") << QStringLiteral("€“”…é");
    QTest::newRow("raw high bytes decoded") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\xe9}") << QStringLiteral("café");
    QTest::newRow("upr reads its unicode version")
        << QByteArray(R"({\rtf1{\upr{ansi}{\*\ud{unicode}}}})") << QStringLiteral("unicode");
    QTest::newRow("absurd numbers saturate")
        << QByteArray(R"({\rtf1\fs99999999999999999999999 x\li-99999999999999\cf77777777777 y})") << QStringLiteral("xy");
    QTest::newRow("controls dropped, paragraph separator becomes a line break")
        << QByteArray(R"({\rtf1\uc0 a\u0 b\'01c\u8233 d\'00e})") << QStringLiteral("abc\nde");
    QTest::newRow("NUL after the document ends the input")
        << QByteArray("{\\rtf1 a}\r\n\0junk", 16) << QStringLiteral("a");
    QTest::newRow("deep but allowed nesting")
        << QByteArray("{\\rtf1 " + QByteArray(900, '{') + "x" + QByteArray(900, '}') + "}") << QStringLiteral("x");
}

void TestRtfReader::edgeCases()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);

    QString plain;
    const auto result = RtfReader::plainText(rtf, &plain);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(plain, text);

    QTextDocument doc;
    QVERIFY(RtfReader::read(rtf, &doc).ok);
    QCOMPARE(doc.toPlainText(), text);
}

void TestRtfReader::lineBreakStaysInParagraph()
{
    QTextDocument doc;
    QVERIFY(RtfReader::read(R"({\rtf1 a\line b\par c})", &doc).ok);
    QCOMPARE(doc.blockCount(), 2);
    QCOMPARE(doc.firstBlock().text(), QStringLiteral("a\u2028b"));
    QCOMPARE(doc.lastBlock().text(), QStringLiteral("c"));
}

void TestRtfReader::tables_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("outline");
    QTest::addColumn<QString>("plain");

    QTest::newRow("a row between paragraphs")
        << QByteArray(R"({\rtf1 before\par\trowd\cellx1000\cellx2000\pard\intbl A\cell B\cell\row\pard after})")
        << QStringLiteral("|before|[A,B]|after|") << QStringLiteral("before\nA\tB\t\nafter");
    QTest::newRow("two rows, a cell of two paragraphs, table first")
        << QByteArray(R"({\rtf1\trowd\cellx1\cellx2\pard\intbl A\par A2\cell B\cell\row)"
                      R"(\trowd\cellx1\cellx2\pard\intbl C\cell D\cell\row\pard after})")
        << QStringLiteral("||[A/A2,B;C,D]|after|") << QStringLiteral("A\nA2\tB\t\nC\tD\t\nafter");
    QTest::newRow("an empty cell is kept")
        << QByteArray(R"({\rtf1 x\par\pard\intbl A\cell\cell C\cell\row\pard y})")
        << QStringLiteral("|x|[A,,C]|y|") << QStringLiteral("x\nA\t\tC\t\ny");
    QTest::newRow("a short row is padded")
        << QByteArray(R"({\rtf1 x\par\pard\intbl A\cell B\cell C\cell\row D\cell\row\pard y})")
        << QStringLiteral("|x|[A,B,C;D,,]|y|") << QStringLiteral("x\nA\tB\tC\t\nD\t\ny");
    QTest::newRow("a longer row widens the table")
        << QByteArray(R"({\rtf1 x\par\pard\intbl A\cell\row B\cell C\cell\row\pard y})")
        << QStringLiteral("|x|[A,;B,C]|y|") << QStringLiteral("x\nA\t\nB\tC\t\ny");
    QTest::newRow("text before row is one more cell")
        << QByteArray(R"({\rtf1 x\par\pard\intbl A\cell B\row\pard y})")
        << QStringLiteral("|x|[A,B]|y|") << QStringLiteral("x\nA\tB\t\ny");
    QTest::newRow("row properties repeated after the cells")
        << QByteArray(R"({\rtf1 x\par\pard\intbl A\cell B\cell\pard\intbl{\trowd\cellx1\cellx2\row}\pard y})")
        << QStringLiteral("|x|[A,B]|y|") << QStringLiteral("x\nA\tB\t\ny");
    QTest::newRow("table at the document's end")
        << QByteArray(R"({\rtf1 x\par\trowd\cellx1\pard\intbl A\cell\row})")
        << QStringLiteral("|x|[A]||") << QStringLiteral("x\nA\t");
    QTest::newRow("a nested table is flattened into its cell")
        << QByteArray(R"({\rtf1 x\par\pard\intbl\itap2 a\nestcell b\nestcell{\*\nesttableprops\trowd\cellx1\nestrow})"
                      R"({\nonesttables\par}\pard\intbl c\cell\row\pard y})")
        << QStringLiteral("|x|[a\tb\tc]|y|") << QStringLiteral("x\na\tb\tc\t\ny");
    QTest::newRow("par before cell adds no empty paragraph, as pandoc writes cells")
        << QByteArray(R"({\rtf1 x\par{\trowd\cellx1\cellx2\intbl{{\pard\intbl A\par}\cell}{{\pard\intbl B\par\par}\cell}\intbl\row}\pard y})")
        << QStringLiteral("|x|[A,B/]|y|") << QStringLiteral("x\nA\tB\n\t\ny");
    QTest::newRow("two tables one after the other")
        << QByteArray(R"({\rtf1\pard\intbl A\cell\row\pard between\par\pard\intbl B\cell\row\pard end})")
        << QStringLiteral("||[A]|between|[B]|end|") << QStringLiteral("A\t\nbetween\nB\t\nend");
}

void TestRtfReader::tables()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, outline);
    QFETCH(QString, plain);

    QTextDocument doc;
    const auto result = RtfReader::read(rtf, &doc);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(halvora::test::outline(doc), outline);

    QString text;
    QVERIFY(RtfReader::plainText(rtf, &text).ok);
    QCOMPARE(text, plain);
}

void TestRtfReader::tablesStayInProportionToTheInput()
{
    // One wide row, then thousands of one-cell rows: padding every short row
    // to the full width would turn a small file into a huge document.
    QByteArray rtf = "{\\rtf1\\pard\\intbl ";
    for (int c = 0; c < 60; ++c)
        rtf += "w\\cell ";
    rtf += "\\row ";
    const int rows = 5000;
    for (int r = 0; r < rows; ++r)
        rtf += "z" + QByteArray::number(r) + "\\cell\\row ";
    rtf += "\\pard end}";

    QTextDocument doc;
    QVERIFY(RtfReader::read(rtf, &doc).ok);
    qint64 cells = 0;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame()))
            cells += qint64(table->rows()) * table->columns();
    }
    const qint64 read = 60 + rows;
    QVERIFY2(cells <= 4 * read + 4096, qPrintable(QString::number(cells)));
    const QString text = doc.toPlainText();
    QVERIFY(text.contains(QStringLiteral("z4999")));
    QVERIFY(text.endsWith(QStringLiteral("end")));
}

void TestRtfReader::hangingIndentKeepsItsTabStop()
{
    // A list item as pandoc and our writer write it: the bullet hangs in the
    // margin and the text after its tab lines up with the wrapped lines.
    QTextDocument doc;
    doc.setTextWidth(200);
    QVERIFY(RtfReader::read(R"({\rtf1\pard\li360\fi-360 \bullet\tab Item with enough words to wrap onto a second line of text\par})", &doc).ok);
    const QTextBlock block = doc.firstBlock();
    QCOMPARE(block.blockFormat().tabPositions().size(), 1);
    doc.documentLayout(); // lays the document out
    QTextLayout *layout = block.layout();
    QVERIFY(layout->lineCount() >= 2);
    const qreal itemX = layout->lineAt(0).cursorToX(2); // after "•\t"
    QCOMPARE(qRound(itemX), qRound(layout->lineAt(1).x()));
}

void TestRtfReader::malformed_data()
{
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Hello world");
    QTest::newRow("html") << QByteArray("<html><body>x</body></html>");
    QTest::newRow("rtf keyword without a group") << QByteArray("\\rtf1 hello");
    QTest::newRow("missing final brace") << QByteArray("{\\rtf1 text");
    QTest::newRow("truncated in a control word") << QByteArray("{\\rtf1 \\b");
    QTest::newRow("truncated in a hex escape") << QByteArray("{\\rtf1 \\'");
    QTest::newRow("unclosed nested group") << QByteArray("{\\rtf1 {\\b x}{");
    QTest::newRow("unclosed skipped group") << QByteArray("{\\rtf1 {\\*\\unknown {x}");
    QTest::newRow("extra closing brace") << QByteArray("{\\rtf1 x}}");
    QTest::newRow("text after the final brace") << QByteArray("{\\rtf1 x} more");
    QTest::newRow("nesting too deep") << QByteArray("{\\rtf1 " + QByteArray(5000, '{') + QByteArray(5001, '}'));
    QTest::newRow("bin count past the end") << QByteArray("{\\rtf1 \\bin999999999999 }");
    QTest::newRow("bin count past the end in a skipped group") << QByteArray("{\\rtf1 {\\pict\\bin2147483647 }}");
    QTest::newRow("NUL inside the document") << QByteArray("{\\rtf1 a\0b}", 11);
}

void TestRtfReader::malformed()
{
    QFETCH(QByteArray, rtf);

    QString text = QStringLiteral("stale");
    const auto plain = RtfReader::plainText(rtf, &text);
    QVERIFY(!plain.ok);
    QVERIFY(text.isEmpty());
    QVERIFY(plain.error.endsWith(u'.'));

    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old content"));
    const auto read = RtfReader::read(rtf, &doc);
    QVERIFY(!read.ok);
    QCOMPARE(read.error, plain.error);
    QVERIFY(doc.isEmpty());
}

void TestRtfReader::readReplacesDocument()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old\ncontent"));
    doc.setModified(true);

    QVERIFY(RtfReader::read(R"({\rtf1 new})", &doc).ok);
    QCOMPARE(doc.toPlainText(), QStringLiteral("new"));
    QVERIFY(!doc.isModified());
    QVERIFY(!doc.isUndoAvailable()); // loading is not an edit the user can undo
    QVERIFY(doc.isUndoRedoEnabled());
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
