#include "DrugFixture.h"
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"
#include "drugs/DrugDatabase.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <unistd.h>

using halvora::MessageBox;
using halvora::drugs::DrugDatabase;

namespace {

const QString pageId = QStringLiteral("frmAnticancerDrugs");
const QString databaseName = QStringLiteral("ANTICANCER.MDB");

// Six records, inserted out of order; the page shows them by DrugName1, so
// the side effects R0 to R5 give each record's place in that order.
const QList<FixtureDrug> fixtureDrugs = {
    {"Etoposide", "VePesid", "VP- 16", "R3"},
    {"Bleomycin", "Blenoxane", "Platinol", "R0"},
    {"Vinblastine", "Velban", "O'Neil's", "R5"},
    {"Cisplatin", "Platinol", QVariant(), "R1"},
    {"Mitomycin", "Adriamycin", "Doxorubicin", "R4"},
    {"Doxorubicin", "Adriamycin", "VP-16", "R2"},
};

QString text(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(box))
        return edit->toPlainText();
    return {};
}

} // namespace

class TestDrugPage : public QObject
{
    Q_OBJECT
private:
    // Opens the page over the given records, or over the shipped database.
    void openPage(TestProgram &program, const QList<FixtureDrug> *drugs = &fixtureDrugs)
    {
        if (drugs)
            QVERIFY(writeDrugDatabase(program.filePath(databaseName), *drugs));
        program.start();
        QVERIFY(program.navigator()->openPage(pageId));
    }

    QString shown(TestProgram &program, const char *box = "txtSideEffects")
    {
        return text(program.control(pageId, QLatin1String(box)));
    }

    QListWidget *list(TestProgram &program)
    {
        return qobject_cast<QListWidget *>(program.control(pageId, "lstChemicals"));
    }

    // Clicks an entry of the chemicals list the way the reader does; an entry
    // the page does not list is added first.
    void clickEntry(TestProgram &program, const QString &entry)
    {
        QListWidget *chemicals = list(program);
        QVERIFY(chemicals);
        auto found = chemicals->findItems(entry, Qt::MatchExactly);
        QListWidgetItem *item = found.isEmpty() ? new QListWidgetItem(entry, chemicals) : found.first();
        chemicals->scrollToItem(item);
        QTest::mouseClick(chemicals->viewport(), Qt::LeftButton, {}, chemicals->visualItemRect(item).center());
    }

    void goToRow(TestProgram &program, int row)
    {
        QVERIFY(program.click(pageId, "cmdFirst"));
        for (int i = 0; i < row; ++i)
            QVERIFY(program.click(pageId, "cmdNext"));
        QCOMPARE(shown(program), QStringLiteral("R%1").arg(row));
    }

    QString storedName2(TestProgram &program, const QString &name1)
    {
        return queryValue(program.filePath(databaseName), "SELECT DrugName2 FROM CancerDrugs WHERE DrugName1 = ?", {name1})
            .toString();
    }

private slots:
    void init()
    {
        MessageBox::takeRecorded();
        DrugDatabase::setOpenReadOnly(false);
    }

    void choosingANameShowsARecordThatCarriesIt_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first name") << 0 << "Cisplatin" << "R1";
        QTest::newRow("first name, from a later record") << 5 << "Cisplatin" << "R1";
        QTest::newRow("later record with it as third name wins") << 0 << "Doxorubicin" << "R4";
        QTest::newRow("second name, forwards") << 0 << "Adriamycin" << "R2";
        QTest::newRow("second name, the next one forwards") << 2 << "Adriamycin" << "R4";
        QTest::newRow("second name only before the current record") << 5 << "Adriamycin" << "R2";
        QTest::newRow("third name, forwards") << 0 << "VP- 16" << "R3";
        QTest::newRow("third name only before the current record") << 4 << "VP- 16" << "R3";
        QTest::newRow("second and third name only before the current record") << 2 << "Platinol" << "R1";
        QTest::newRow("outer spaces trimmed") << 0 << "  Cisplatin  " << "R1";
        QTest::newRow("inner space kept") << 0 << "VP-16" << "R2";
        QTest::newRow("apostrophe") << 0 << "O'Neil's" << "R5";
        QTest::newRow("no record carries it") << 3 << "Zoladex" << "R3";
    }
    void choosingANameShowsARecordThatCarriesIt()
    {
        QFETCH(int, from);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        TestProgram program;
        openPage(program);
        goToRow(program, from);
        clickEntry(program, entry);
        QCOMPARE(shown(program), expected);
        QCOMPARE(qobject_cast<QLabel *>(program.control(pageId, "lblSelect"))->text(), entry);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void listSearchesOnEveryChoice()
    {
        TestProgram program;
        openPage(program);
        QListWidget *chemicals = list(program);
        QVERIFY(chemicals->selectedItems().isEmpty());

        clickEntry(program, "Cisplatin");
        QCOMPARE(shown(program), "R1");
        // After moving away with the arrows, the chosen entry leads back.
        QVERIFY(program.click(pageId, "cmdLast"));
        clickEntry(program, "Cisplatin");
        QCOMPARE(shown(program), "R1");

        // Moving the selection by keyboard searches at every step.
        clickEntry(program, "Velban");
        QCOMPARE(shown(program), "R5");
        chemicals->setFocus();
        QTest::keyClick(chemicals, Qt::Key_Down);
        QCOMPARE(chemicals->currentItem()->text(), "VePesid");
        QCOMPARE(shown(program), "R3");
        QTest::keyClick(chemicals, Qt::Key_Up);
        QCOMPARE(shown(program), "R5");
        QCOMPARE(chemicals->selectedItems().size(), 1);
    }

    void navigationBarMovesThroughTheRecordsInNameOrder()
    {
        TestProgram program;
        openPage(program);
        QCOMPARE(shown(program), "R0"); // opens on the first record
        QCOMPARE(shown(program, "txtName1"), "Bleomycin");
        QCOMPARE(shown(program, "txtName3"), "Platinol");

        const struct {
            const char *arrow;
            const char *expected;
        } steps[] = {
            {"cmdPrevious", "R0"}, {"cmdNext", "R1"}, {"cmdNext", "R2"}, {"cmdLast", "R5"},
            {"cmdNext", "R5"},     {"cmdPrevious", "R4"}, {"cmdFirst", "R0"},
        };
        for (const auto &step : steps) {
            QVERIFY(program.click(pageId, step.arrow));
            QCOMPARE(shown(program), QString::fromLatin1(step.expected));
        }
        QCOMPARE(shown(program, "txtName1"), "Bleomycin");
    }

    void editsAreWrittenWhenTheRecordChangesOrThePageCloses()
    {
        TestProgram program;
        openPage(program);
        goToRow(program, 1);
        auto *name2 = qobject_cast<QLineEdit *>(program.control(pageId, "txtName2"));
        name2->selectAll();
        QTest::keyClicks(name2, "Platinol-AQ");
        QCOMPARE(storedName2(program, "Cisplatin"), "Platinol");
        QVERIFY(program.click(pageId, "cmdNext"));
        QCOMPARE(storedName2(program, "Cisplatin"), "Platinol-AQ");

        // A change to the first name keeps the record where it was until the page reopens.
        auto *name1 = qobject_cast<QLineEdit *>(program.control(pageId, "txtName1"));
        name1->setText("Doxorubicin HCl");
        QVERIFY(program.click(pageId, "cmdPrevious"));
        QCOMPARE(shown(program), "R1");
        QCOMPARE(storedName2(program, "Doxorubicin HCl"), "Adriamycin");

        // Closing with Escape writes the edit of the record shown.
        qobject_cast<QPlainTextEdit *>(program.control(pageId, "txtSideEffects"))->setPlainText("Nausea.");
        program.pressEscape(pageId);
        QVERIFY(!program.window(pageId));
        QCOMPARE(queryValue(program.filePath(databaseName), "SELECT SideEffects FROM CancerDrugs WHERE DrugName1 = 'Cisplatin'"),
                 QVariant("Nausea."));

        // Reopened, the page starts on the first record and shows what was saved.
        QVERIFY(program.navigator()->openPage(pageId));
        QCOMPARE(shown(program), "R0");
        QVERIFY(program.click(pageId, "cmdNext"));
        QCOMPARE(shown(program, "txtName2"), "Platinol-AQ");
        QCOMPARE(shown(program), "Nausea.");
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        // Nothing is saved when the program ends.
        qobject_cast<QLineEdit *>(program.control(pageId, "txtName3"))->setText("unsaved");
        program.navigator()->endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(queryValue(program.filePath(databaseName), "SELECT count(*) FROM CancerDrugs WHERE DrugName3 = 'unsaved'"),
                 QVariant(0));
    }

    void anEditThatCannotBeWrittenIsReported()
    {
        TestProgram program;
        openPage(program);
        // Another program holds the write lock of the database.
        const QString path = program.filePath(databaseName);
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec("BEGIN IMMEDIATE"));

            qobject_cast<QLineEdit *>(program.control(pageId, "txtName2"))->setText("Changed");
            QVERIFY(program.click(pageId, "cmdNext"));
            QCOMPARE(MessageBox::takeRecorded(),
                     QStringList("The change to the record \"Bleomycin\" could not be saved: "
                                 "the database is in use by another program."));
            QCOMPARE(shown(program), "R1");
            QVERIFY(program.click(pageId, "cmdPrevious"));
            QCOMPARE(shown(program, "txtName2"), "Blenoxane");
            QVERIFY(QSqlQuery(other).exec("ROLLBACK"));
            other.close();
        }
        QSqlDatabase::removeDatabase("other");
        QCOMPARE(storedName2(program, "Bleomycin"), "Blenoxane");
    }

    void aReadOnlyDatabaseIsShownButNeverWritten()
    {
        TestProgram program;
        QVERIFY(writeDrugDatabase(program.filePath(databaseName), fixtureDrugs));
        const QString path = program.filePath(databaseName);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        // File permissions do not bind root; the page is then told to open the file read-only.
        const bool root = geteuid() == 0;
        DrugDatabase::setOpenReadOnly(root);
        const QByteArray before = program.readFile(databaseName);
        openPage(program, nullptr);

        auto *status = qobject_cast<QLabel *>(program.control(pageId, "lblStatus"));
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), "The drug database ANTICANCER.MDB is read-only: changes to the records cannot be saved.");
        QCOMPARE(shown(program), "R0");
        auto *name1 = qobject_cast<QLineEdit *>(program.control(pageId, "txtName1"));
        QVERIFY(name1->isReadOnly());
        QTest::keyClicks(name1, "xyz");
        QVERIFY(program.click(pageId, "cmdNext"));
        clickEntry(program, "VP- 16");
        QCOMPARE(shown(program), "R3");
        program.navigator()->closePage(pageId);
        QVERIFY(!program.window(pageId));
        DrugDatabase::setOpenReadOnly(false);

        QVERIFY(MessageBox::takeRecorded().isEmpty());
        QCOMPARE(program.readFile(databaseName), before);
    }

    void aDatabaseThatCannotBeUsedLeavesThePageWorking_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing" << "The drug database ANTICANCER.MDB is missing from the program folder.";
        QTest::newRow("unreadable") << "folder"
                                    << "The drug database ANTICANCER.MDB cannot be opened: the file cannot be read.";
        QTest::newRow("not a database") << "text" << "The file ANTICANCER.MDB is damaged or is not the drug database.";
        QTest::newRow("no drug table") << "other" << "The file ANTICANCER.MDB is damaged or is not the drug database.";
        QTest::newRow("no records") << "empty" << "The drug database ANTICANCER.MDB holds no records.";
    }
    void aDatabaseThatCannotBeUsedLeavesThePageWorking()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        TestProgram program;
        const QString path = program.filePath(databaseName);
        QFile::remove(path);
        if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == "text") {
            program.writeFile(databaseName, "Standard Jet DB\r\nthis is not SQLite\r\n");
        } else if (kind == "other") {
            QVERIFY(writeDrugDatabase(path, {}));
            QVERIFY(queryValue(path, "DROP TABLE CancerDrugs").isNull());
            QVERIFY(queryValue(path, "CREATE TABLE Drugs (Name TEXT)").isNull());
        } else if (kind == "empty") {
            QVERIFY(writeDrugDatabase(path, {}));
        }
        const QByteArray before = program.readFile(databaseName);
        openPage(program, nullptr);

        auto *status = qobject_cast<QLabel *>(program.control(pageId, "lblStatus"));
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), message);
        // The boxes keep their design texts and take no edits that could go nowhere.
        QCOMPARE(shown(program, "txtName1"), "5-Fluorouracil");
        QVERIFY(qobject_cast<QLineEdit *>(program.control(pageId, "txtName1"))->isReadOnly());
        QVERIFY(!program.control(pageId, "cmdNext")->isEnabled());
        clickEntry(program, "Cisplatin");
        QCOMPARE(shown(program, "txtName1"), "5-Fluorouracil");
        program.pressEscape(pageId);
        QVERIFY(!program.window(pageId));

        QVERIFY(MessageBox::takeRecorded().isEmpty());
        QCOMPARE(QFileInfo::exists(path), kind != "missing");
        QCOMPARE(program.readFile(databaseName), before);
    }

    void stomatitisPanelLeavesTheRecordAlone()
    {
        TestProgram program;
        openPage(program);
        clickEntry(program, "Adriamycin");
        QWidget *panel = program.control(pageId, "fraTreatments");
        QVERIFY(!panel->isVisible());
        QVERIFY(program.click(pageId, "cmdTreatments"));
        QVERIFY(panel->isVisible());
        QVERIFY(program.click(pageId, "cmdClose"));
        QVERIFY(!panel->isVisible());
        QVERIFY(program.window(pageId));
        QCOMPARE(shown(program), "R2");
        QCOMPARE(list(program)->selectedItems().first()->text(), "Adriamycin");
    }

    void everyListedNameFindsARecordCarryingIt()
    {
        TestProgram program;
        openPage(program, nullptr);
        QListWidget *chemicals = list(program);
        QCOMPARE(chemicals->count(), 146);
        QCOMPARE(program.control(pageId, "lblStatus")->isVisible(), false);
        QStringList missing;
        for (int i = 0; i < chemicals->count(); ++i) {
            // Start from the last record so that forward searches alone would miss.
            QVERIFY(program.click(pageId, "cmdLast"));
            const QString name = chemicals->item(i)->text().trimmed();
            chemicals->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
            const QStringList names{shown(program, "txtName1"), shown(program, "txtName2"), shown(program, "txtName3")};
            if (!names.contains(name))
                missing.append(QStringLiteral("%1 (shows %2)").arg(name, names.join('/')));
            QVERIFY2(!shown(program).isEmpty(), qPrintable(name + " has no side effects"));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    }
};

QTEST_MAIN(TestDrugPage)
#include "tst_drugpage.moc"
