#include "PageDesign.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using halvora::PageDesign;

namespace {

// Every piece of text a reader sees in a design, evidence boxes included.
void collectText(const QJsonValue &value, QStringList &out)
{
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            collectText(v, out);
    } else if (value.isObject()) {
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (it.key() == QLatin1String("text") && it.value().isString())
                out.append(it.value().toString());
            else if (it.key() == QLatin1String("evidence"))
                for (const QJsonValue &field : it.value().toObject())
                    out.append(field.toString());
            else
                collectText(it.value(), out);
        }
    }
}

int words(const QStringList &texts)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    int n = 0;
    for (const QString &t : texts)
        n += t.split(blanks, Qt::SkipEmptyParts).size();
    return n;
}

QList<QJsonObject> flowBlocks(const QJsonObject &design)
{
    QList<QJsonObject> blocks;
    for (const QJsonValue &flow : design.value(QLatin1String("flows")).toArray())
        for (const QJsonValue &block : flow.toObject().value(QLatin1String("blocks")).toArray())
            blocks.append(block.toObject());
    return blocks;
}

} // namespace

// The book's own standard for its article pages, checked over every design.
class TestContent : public QObject
{
    Q_OBJECT
private slots:
    void articlePagesFillTheirScreen_data()
    {
        QTest::addColumn<QString>("pageId");
        for (const QString &id : PageDesign::availableIds()) {
            const auto design = PageDesign::load(id);
            if (design && design->json().value(QLatin1String("template")).toString() == QLatin1String("article"))
                QTest::newRow(qPrintable(id)) << id;
        }
    }
    // 250 to 450 words of the page's own text, plus what an evidence box adds.
    void articlePagesFillTheirScreen()
    {
        QFETCH(QString, pageId);
        const QJsonObject json = PageDesign::load(pageId)->json();
        QStringList texts;
        collectText(json, texts);
        const int count = words(texts);
        QVERIFY2(count >= 250 && count <= 560, qPrintable(QStringLiteral("%1 words").arg(count)));
    }

    void selfHelpPages_data()
    {
        QTest::addColumn<QString>("pageId");
        QTest::addColumn<bool>("opensAChain");
        QFile file(QStringLiteral(HALVORA_TEST_DATA "/content/self-help-pages.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!file.atEnd()) {
            QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const bool first = line.endsWith(QLatin1Char('*'));
            if (first)
                line.chop(1);
            QTest::newRow(qPrintable(line)) << line << first;
        }
    }
    // Each ends by sending the reader to the doctor; the first page of each
    // therapy has its evidence box, before the page's own text.
    void selfHelpPages()
    {
        QFETCH(QString, pageId);
        QFETCH(bool, opensAChain);
        const auto design = PageDesign::load(pageId);
        QVERIFY2(design, "the page is missing");
        const QList<QJsonObject> blocks = flowBlocks(design->json());
        QStringList body;
        for (const QJsonObject &b : blocks) {
            const QString style = b.value(QLatin1String("style")).toString(QStringLiteral("body"));
            if (b.contains(QLatin1String("text")) && (style == QLatin1String("body") || style == QLatin1String("note")))
                body.append(b.value(QLatin1String("text")).toString());
        }
        QVERIFY(!body.isEmpty());
        static const QRegularExpression doctor(QStringLiteral("doctor|care team|pharmacist|oncologist"),
                                               QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(body.last().contains(doctor) || (body.size() > 1 && body.at(body.size() - 2).contains(doctor)),
                 qPrintable(body.last()));

        const bool hasBox = !blocks.isEmpty() && blocks.first().contains(QLatin1String("evidence"));
        QCOMPARE(hasBox, opensAChain);
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
