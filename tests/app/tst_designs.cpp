#include "PageBuilder.h"
#include "PageDesign.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QTest>

using halvora::PageDesign;

namespace {

QSet<QString> pendingPages()
{
    QSet<QString> ids;
    QFile file(QStringLiteral(HALVORA_PENDING_PAGES));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                ids.insert(line);
        }
    }
    return ids;
}

} // namespace

class TestDesigns : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_program.start());
        m_pending = pendingPages();
    }
    void cleanupTestCase() { m_program.stop(); }

    // The "At a glance" panel: the verdict in the book's words, and a design
    // that leaves out a field or names no verdict of the scale is reported.
    void evidenceBox_data()
    {
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<bool>("withRisks");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("diagnostic");
        QTest::newRow("complete") << "no-benefit" << true << "No benefit in trials in people" << "";
        QTest::newRow("harm") << "harm" << true << "Harm shown" << "";
        QTest::newRow("unknown verdict") << "miracle" << true << "" << "unknown verdict \"miracle\"";
        QTest::newRow("field missing") << "lab-only" << false << "" << "\"risks\" is missing";
    }
    void evidenceBox()
    {
        QFETCH(QString, verdict);
        QFETCH(bool, withRisks);
        QFETCH(QString, shown);
        QFETCH(QString, diagnostic);
        QJsonObject evidence{{"what", "A juice fast."}, {"claims", "That it <starves> tumours."}, {"verdict", verdict},
                             {"finding", "No trials in people."}, {"talk", "Talk to your doctor first."},
                             {"sources", "CAM-Cancer (2023)"}, {"reviewed", "December 2026"}};
        if (withRisks)
            evidence.insert("risks", "Weight loss.");
        const QJsonObject json{{"id", "tstEvidence"}, {"caption", "Evidence"}, {"template", "article"}, {"heading", "A therapy"},
                               {"flows", QJsonArray{QJsonObject{{"blocks", QJsonArray{QJsonObject{{"evidence", evidence}},
                                                                                      QJsonObject{{"text", "Body text."}}}}}}}};
        QString error;
        const auto design = PageDesign::fromJson(json, &error);
        QVERIFY2(design, qPrintable(error));
        std::unique_ptr<halvora::PageWindow> window(m_program.navigator()->builder().build(*design));
        auto *box = window->findChild<QLabel *>("lblEvidence");
        if (diagnostic.isEmpty()) {
            QVERIFY2(window->diagnostics().isEmpty(), qPrintable(window->diagnostics().join("\n")));
            QVERIFY(box);
            QVERIFY(box->text().contains(shown));
            QVERIFY(box->text().contains("&lt;starves&gt;")); // the design's text is never markup
            // The body text starts below the panel.
            QLabel *body = nullptr;
            for (QLabel *label : window->findChildren<QLabel *>()) {
                if (label->text() == "Body text.")
                    body = label;
            }
            QVERIFY(body);
            QVERIFY(body->geometry().top() > box->geometry().bottom());
        } else {
            QVERIFY(!box);
            QVERIFY2(window->diagnostics().join("\n").contains(diagnostic), qPrintable(window->diagnostics().join("\n")));
        }
    }

    // Two paragraphs stacked so that the first fills its box: they would read
    // as one, and the build says so; with room between them it does not.
    void paragraphsRunningTogetherAreReported()
    {
        const QString text = QString("A definition long enough to wrap onto a second line in a narrow box. ").repeated(2);
        for (const int gap : {15, 120}) {
            const QJsonObject json{{"id", "tstStacked"}, {"caption", "Stacked"},
                                   {"controls", QJsonArray{QJsonObject{{"name", "lblOne"}, {"text", text}, {"rect", QJsonArray{300, 300, 3000, 0}}},
                                                           QJsonObject{{"name", "lblTwo"}, {"text", "Next."}, {"rect", QJsonArray{300, 0, 3000, 300}}}}}};
            // The first box is exactly as tall as its text.
            QJsonObject design = json;
            std::unique_ptr<halvora::PageWindow> probe(m_program.navigator()->builder().build(*PageDesign::fromJson(design)));
            auto *one = probe->findChild<QLabel *>("lblOne");
            const int needed = QFontMetrics(one->font()).boundingRect(QRect(0, 0, one->width(), 10000), Qt::TextWordWrap, text).height() * 15;
            QJsonArray controls = json["controls"].toArray();
            QJsonObject first = controls[0].toObject(), second = controls[1].toObject();
            first["rect"] = QJsonArray{300, 300, 3000, needed};
            second["rect"] = QJsonArray{300, 300 + needed + gap, 3000, 300};
            design["controls"] = QJsonArray{first, second};
            std::unique_ptr<halvora::PageWindow> window(m_program.navigator()->builder().build(*PageDesign::fromJson(design)));
            QCOMPARE(window->diagnostics().join("\n").contains("lblOne: its text runs into lblTwo"), gap < 45);
        }
    }

    void everyDesignBuildsCleanly_data()
    {
        QTest::addColumn<QString>("pageId");
        const QStringList ids = PageDesign::availableIds();
        QVERIFY(ids.contains("frmAAMenu"));
        for (const QString &id : ids)
            QTest::newRow(qPrintable(id)) << id;
    }
    void everyDesignBuildsCleanly()
    {
        QFETCH(QString, pageId);
        halvora::PageNavigator *navigator = m_program.navigator();

        QString error;
        const auto design = PageDesign::load(pageId, &error);
        QVERIFY2(design, qPrintable(error));
        QVERIFY2(!design->caption().isEmpty() || pageId == "frmAAMenu", "a window needs its caption");

        std::unique_ptr<halvora::PageWindow> window(navigator->build(pageId));
        QVERIFY(window);
        QCOMPARE(window->objectName(), pageId);
        QVERIFY2(window->diagnostics().isEmpty(), qPrintable(window->diagnostics().join("\n")));

        const QStringList targets = halvora::PageBuilder::targets(design->json());
        for (const QString &target : targets) {
            QVERIFY2(navigator->isRegistered(target) || m_pending.contains(target),
                     qPrintable(QStringLiteral("unknown target %1").arg(target)));
        }
    }

    void pendingPagesAreReallyPending()
    {
        // Every window may have landed; the list itself must still be where the test reads it.
        QVERIFY(QFile::exists(QStringLiteral(HALVORA_PENDING_PAGES)));
        for (const QString &id : std::as_const(m_pending))
            QVERIFY2(!m_program.navigator()->isRegistered(id), qPrintable(id + " has landed: remove it from the pending list"));
    }

private:
    TestProgram m_program;
    QSet<QString> m_pending;
};

QTEST_MAIN(TestDesigns)
#include "tst_designs.moc"
