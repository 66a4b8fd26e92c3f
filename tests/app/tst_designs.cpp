#include "PageBuilder.h"
#include "PageDesign.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QFile>
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
        QVERIFY(!m_pending.isEmpty());
        for (const QString &id : std::as_const(m_pending))
            QVERIFY2(!m_program.navigator()->isRegistered(id), qPrintable(id + " has landed: remove it from the pending list"));
    }

private:
    TestProgram m_program;
    QSet<QString> m_pending;
};

QTEST_MAIN(TestDesigns)
#include "tst_designs.moc"
