#include "MarkdownDocument.h"
#include "rtf/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

using halvora::RtfReader;
namespace documents = halvora::documents;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString sourceFolder = QStringLiteral(HALVORA_DOCUMENT_SOURCES);
const QString programFolder = QStringLiteral(HALVORA_PROGRAM_DIR);

// The fifteen documents of the program folder; the glossary and the
// sources are built into the program.
const QStringList shippedDocuments = {
    "WhatIsCancer", "WhatCauses", "Chemicals", "BenignMalignant", "EarlyWarning", "TestsMarkers", "Nonspecific",
    "Genes", "DoctorsArsenal", "Breakthroughs", "Staging", "Complementary", "Disclaim", "CopyLiab", "Privacy"};

QString markdownOf(const QString &name)
{
    return QString::fromUtf8(readFile(sourceFolder + u'/' + name + QStringLiteral(".md")));
}

QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}][\\p{L}\\p{N}'’-]*"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        words << it.next().captured().toLower();
    return words;
}

// Runs of ten words, to find passages two documents share.
QSet<QString> passages(const QStringList &words)
{
    QSet<QString> set;
    for (qsizetype i = 0; i + 10 <= words.size(); ++i)
        set.insert(words.mid(i, 10).join(u' '));
    return set;
}

QString plainText(const QTextDocument &doc)
{
    return doc.toPlainText();
}

} // namespace

class TestDocumentBuild : public QObject
{
    Q_OBJECT
private slots:
    void sampleKeepsItsTextAndFormatting()
    {
        const auto converted = documents::markdownToRtf(readFile(QStringLiteral(HALVORA_DOCUMENT_FIXTURES "/sample.md")));
        QVERIFY2(converted.error.isEmpty(), qPrintable(converted.error));
        QVERIFY(std::all_of(converted.rtf.cbegin(), converted.rtf.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

        QTextDocument doc;
        QVERIFY(RtfReader::read(converted.rtf, &doc).ok);
        const QString text = doc.toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("Sample Document\nA first paragraph with bold words, italic words and both, and "
                                                "accents: café, Zürich; Greek: Ελληνικά; Chinese: 中文; an emoji: 😀.\n"
                                                "A second-level heading\n•\ta bullet\n•\tanother bullet with emphasis\n"
                                                "1.\tfirst step\n2.\tsecond step\nA third-level heading\n")),
                 qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("Closing paragraph.")));

        const auto at = [&doc](const QString &word) { return doc.find(word).charFormat(); };
        // Body in the book's type, headings larger and dark green.
        QCOMPARE(at("first paragraph").fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
        QCOMPARE(at("first paragraph").fontPointSize(), 12.0);
        QCOMPARE(at("Sample Document").fontPointSize(), 18.0);
        QCOMPARE(at("second-level").fontPointSize(), 14.0);
        QCOMPARE(at("third-level").fontPointSize(), 12.0);
        for (const char *heading : {"Sample Document", "second-level", "third-level"}) {
            QVERIFY(at(heading).fontWeight() >= QFont::Bold);
            QCOMPARE(at(heading).foreground().color(), QColor(0, 64, 0));
        }
        QVERIFY(at("bold words").fontWeight() >= QFont::Bold);
        QVERIFY(!at("bold words").fontItalic());
        QVERIFY(at("italic words").fontItalic());
        QVERIFY(at("italic words").fontWeight() < QFont::Bold);
        QVERIFY(at("both").fontItalic() && at("both").fontWeight() >= QFont::Bold);
        QVERIFY(at("emphasis").fontItalic());
        QVERIFY(at("a bullet").fontWeight() < QFont::Bold);

        // The table, its header row bold.
        QTextTable *table = doc.find(QStringLiteral("PSA")).currentTable();
        QVERIFY(table);
        QCOMPARE(table->rows(), 3);
        QCOMPARE(table->columns(), 2);
        QCOMPARE(QTextCursor(table->cellAt(2, 1).firstCursorPosition()).block().text(), QStringLiteral("ovary"));
        QVERIFY(at("Used for").fontWeight() >= QFont::Bold);
        QVERIFY(at("prostate").fontWeight() < QFont::Bold);
    }

    void unusableSourceIsRefused_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only blanks") << QByteArray(" \n\n\t\n");
        QTest::newRow("not UTF-8") << QByteArray("# Caf\xe9\n\nLatin-1 text.\n");
    }
    void unusableSourceIsRefused()
    {
        QFETCH(QByteArray, source);
        const auto converted = documents::markdownToRtf(source);
        QVERIFY(!converted.error.isEmpty());
        QVERIFY(converted.rtf.isEmpty());
    }

    void toolWritesTheFileOrNothing()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("Sample.rtf"));
        QProcess tool;
        tool.start(QStringLiteral(HALVORA_DOCUMENT_TOOL), {output, QStringLiteral(HALVORA_DOCUMENT_FIXTURES "/sample.md")});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(readFile(output),
                 documents::markdownToRtf(readFile(QStringLiteral(HALVORA_DOCUMENT_FIXTURES "/sample.md"))).rtf);

        // A source that cannot be read fails the build and leaves the old file.
        tool.start(QStringLiteral(HALVORA_DOCUMENT_TOOL), {output, dir.filePath(QStringLiteral("missing.md"))});
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY(tool.exitCode() != 0);
        QVERIFY(!tool.readAllStandardError().isEmpty());
        QVERIFY(readFile(output).startsWith("{\\rtf1"));
    }

    // The real documents: each written in full, each its own text, and the
    // program folder holding what the build made of the current source.
    void everyDocumentIsSubstantial_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : shippedDocuments)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyDocumentIsSubstantial()
    {
        QFETCH(QString, name);
        const QString markdown = markdownOf(name);
        if (markdown.isEmpty())
            QSKIP("the document's source is not written yet");
        QVERIFY2(markdown.startsWith(QStringLiteral("# ")), "a document starts with its title");
        QTextDocument expected;
        documents::buildDocument(markdown, &expected);
        const qsizetype words = wordsOf(plainText(expected)).size();
        QVERIFY2(words >= 600 && words <= 2500, qPrintable(QStringLiteral("%1 words").arg(words)));
        QVERIFY2(!markdown.contains(QStringLiteral("Lorem"), Qt::CaseInsensitive)
                     && !markdown.contains(QStringLiteral("TODO")),
                 "no placeholder text");

        const QByteArray shipped = readFile(programFolder + u'/' + name + QStringLiteral(".rtf"));
        QVERIFY2(!shipped.isEmpty(), "the build puts the document into the program folder");
        QVERIFY2(shipped == documents::markdownToRtf(markdown.toUtf8()).rtf, "the program folder holds the current text");
        QTextDocument read;
        QVERIFY(RtfReader::read(shipped, &read).ok);
        QVERIFY(read.toPlainText().startsWith(expected.firstBlock().text() + u'\n'));
    }

    void documentsAreDistinct()
    {
        QList<std::pair<QString, QSet<QString>>> texts;
        for (const QString &name : shippedDocuments + QStringList{"Glossary", "Sources"}) {
            const QString markdown = markdownOf(name);
            if (markdown.isEmpty())
                continue;
            QTextDocument doc;
            documents::buildDocument(markdown, &doc);
            texts.append({name, passages(wordsOf(plainText(doc)))});
        }
        if (texts.size() < 2)
            QSKIP("fewer than two documents are written yet");
        for (qsizetype i = 0; i < texts.size(); ++i) {
            for (qsizetype j = i + 1; j < texts.size(); ++j) {
                const auto &[a, pa] = texts.at(i);
                const auto &[b, pb] = texts.at(j);
                const qsizetype shared = QSet<QString>(pa).intersect(pb).size();
                const qsizetype smaller = std::min(pa.size(), pb.size());
                QVERIFY2(shared * 20 < smaller, qPrintable(QStringLiteral("%1 and %2 share %3 of %4 passages")
                                                               .arg(a, b).arg(shared).arg(smaller)));
            }
        }
    }

    void glossaryExplainsAtLeast150Terms()
    {
        const QString markdown = markdownOf(QStringLiteral("Glossary"));
        if (markdown.isEmpty())
            QSKIP("the glossary's source is not written yet");
        QTextDocument doc;
        documents::buildDocument(markdown, &doc);
        // An entry is a paragraph that opens with its term in bold and goes on to explain it.
        QSet<QString> terms;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() > 0 || block.begin().atEnd())
                continue;
            const QTextFragment first = block.begin().fragment();
            if (first.charFormat().fontWeight() >= QFont::Bold && block.text().size() > first.text().size() + 20)
                terms.insert(first.text().trimmed().toLower());
        }
        QVERIFY2(terms.size() >= 150, qPrintable(QStringLiteral("%1 terms").arg(terms.size())));
    }

    void sourcesListRealWorks()
    {
        const QString markdown = markdownOf(QStringLiteral("Sources"));
        if (markdown.isEmpty())
            QSKIP("the sources' source is not written yet");
        QTextDocument doc;
        documents::buildDocument(markdown, &doc);
        int entries = 0, withYear = 0;
        static const QRegularExpression year(QStringLiteral("\\b(19|20)\\d\\d\\b"));
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            if (!block.textList())
                continue;
            ++entries;
            withYear += block.text().contains(year) ? 1 : 0;
        }
        QVERIFY2(entries >= 30, qPrintable(QStringLiteral("%1 entries").arg(entries)));
        QVERIFY2(withYear * 2 >= entries, "books and journals name their editions and years");
    }
};

QTEST_MAIN(TestDocumentBuild)
#include "tst_documentbuild.moc"
