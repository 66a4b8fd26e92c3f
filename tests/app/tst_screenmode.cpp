#include "ScreenMode.h"

#include <QTest>

using halvora::ScreenMode;

class TestScreenMode : public QObject
{
    Q_OBJECT
private slots:
    void readings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("designMaximized");
        QTest::addColumn<bool>("maximized");

        QTest::newRow("0 on a maximized design") << "0" << true << false;
        QTest::newRow("2 on a normal design") << "2" << false << true;
        QTest::newRow("white space around the digit") << " \t0\r\n" << true << false;
        QTest::newRow("not a number maximizes a normal design") << "abc" << false << true;
        QTest::newRow("empty text maximizes") << "" << false << true;
        QTest::newRow("1 keeps a maximized design") << "1" << true << true;
        QTest::newRow("1 keeps a normal design") << "1" << false << false;
        QTest::newRow("20 is not 2") << "20" << false << false;
        QTest::newRow("digit followed by text is no number") << "0x" << false << true;
    }
    void readings()
    {
        QFETCH(QString, text);
        QFETCH(bool, designMaximized);
        QFETCH(bool, maximized);
        QCOMPARE(ScreenMode::opensMaximized(ScreenMode::read(text), designMaximized), maximized);
    }
};

QTEST_GUILESS_MAIN(TestScreenMode)
#include "tst_screenmode.moc"
