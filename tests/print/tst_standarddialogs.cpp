#include "StandardDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using halvora::StandardDialogs;

// The real dialogs, answered by hand the way a reader would, once each is up.
class TestStandardDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { StandardDialogs::setAnswering(false); }

    // Left as shown, the font keeps its name and size even where the system
    // shows a stand-in and offers whole points only.
    void fontDialogKeepsWhatTheReaderLeaves()
    {
        QFont times(QStringLiteral("Times New Roman"));
        times.setPointSizeF(11.25);
        times.setBold(true);
        whenUp([](QWidget *dialog) {
            auto *colours = dialog->findChild<QComboBox *>(QStringLiteral("colour"));
            QVERIFY(colours);
            QCOMPARE(colours->currentData().value<QColor>(), QColor(Qt::black));
            colours->setCurrentIndex(colours->findData(QColor(Qt::red)));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const auto choice = StandardDialogs::chooseFont(nullptr, {times, Qt::black});
        QVERIFY(choice);
        QCOMPARE(choice->font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(choice->font.pointSizeF(), 11.25);
        QVERIFY(choice->font.bold());
        QCOMPARE(choice->colour, QColor(Qt::red));

        whenUp([](QWidget *dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
        QVERIFY(!StandardDialogs::chooseFont(nullptr, {times, Qt::black}));
    }

    void printDialogOffersTheSelectionAndNoPageRange()
    {
        QPrinter printer;
        whenUp([](QWidget *dialog) {
            QVERIFY(qobject_cast<QPrintDialog *>(dialog));
            auto *selection = dialog->findChild<QAbstractButton *>(QStringLiteral("printSelection"));
            auto *range = dialog->findChild<QAbstractButton *>(QStringLiteral("printRange"));
            QVERIFY(selection && range);
            QVERIFY(selection->isChecked());
            QTRY_VERIFY(!range->isEnabled());
            QMetaObject::invokeMethod(dialog, "reject");
        });
        QVERIFY(!StandardDialogs::setUpPrinter(nullptr, printer, true));
    }

    // The name comes back as typed: no extension is added.
    void saveDialogTakesTheNameAsTyped()
    {
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        whenUp([](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(files);
            QCOMPARE(files->nameFilters(), QStringList({"Rich Text File (*.Rtf)", "All Files (*.*)"}));
            QVERIFY(!files->testOption(QFileDialog::DontConfirmOverwrite));
            auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QStringLiteral("list"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const QString chosen = StandardDialogs::saveFileName(nullptr, {"Rich Text File (*.Rtf)", "All Files (*.*)"});
        QDir::setCurrent(before);
        QCOMPARE(chosen, QDir(folder.path()).filePath("list"));
    }

private:
    // Runs the step on the modal dialog once it is up; a dialog that never
    // comes up fails the test rather than leaving it waiting.
    void whenUp(std::function<void(QWidget *)> step)
    {
        QTimer::singleShot(0, this, [step = std::move(step)] {
            QWidget *dialog = nullptr;
            if (!QTest::qWaitFor([&dialog] { return (dialog = QApplication::activeModalWidget()) != nullptr; }, 5000))
                QFAIL("no dialog came up");
            step(dialog);
            if (QApplication::activeModalWidget() == dialog)
                QMetaObject::invokeMethod(dialog, "reject");
        });
    }
};

QTEST_MAIN(TestStandardDialogs)
#include "tst_standarddialogs.moc"
