#include "ph/ReadingEvaluation.h"

#include <QTest>

using halvora::ph::DailyReadings;
using halvora::ph::ReadingEvaluation;

namespace {

enum Box { Urine1, Saliva1, Saliva2, Urine2, Urine3, Urine4 };

QString block(const QStringList &lines)
{
    QString text = "\r\n";
    for (const QString &line : lines)
        text += line + "\r\n";
    return text;
}

// Every block the tables can give, each written out once.
const QHash<QString, QString> &blocks()
{
    static const QHash<QString, QString> b{
        {"u1 low", block({"1. Urine: Reading is too low.", "Readings between 0 and 5 are too acidic to be ignored!",
                          "However, Readings between 5 and 6 can be normal if they occur around 2 a.m."})},
        {"u1 in range", block({"1. Urine: Reading is within range."})},
        {"u1 high", block({"1. Urine: Reading too high.", "First readings in the morning are usually slightly acidic.",
                           "Between meals: Readings between 6.6 and 8 may occur. Not expected early in the morning.",
                           "If readings stay high: Seek professional advice!"})},
        {"s1 low", block({"1. Saliva: Reading is too low.", "Adjust pH balance. Readings should be around 6.8"})},
        {"s1 high", block({"1. Saliva: Reading too high.", "If readings stay high: Seek professional advice!"})},
        {"s1 normal", block({"1. Saliva: Reading of 6.8 to 7 is normal."})},
        {"s2 low", block({"2. Saliva: Reading is too low.", "Adjust pH balance. Readings should be around 8.5"})},
        {"s2 high", block({"2. Saliva: Reading too high.", "If readings stay high: Seek professional advice!"})},
        {"s2 normal", block({"A second saliva reading between 8 and 9 is normal if taken a few minutes after a healthy breakfast."})},
        {"u2 low", block({"2. Urine: Reading is too low.", "Consistent readings below 6 are too acidic to be ignored!"})},
        {"u2 high", block({"2. Urine: Reading too high.", "Reading should not be much higher than 7",
                           "Between meals: Readings between 6.6 and 8 may occur.", "If readings stay above 7: Seek professional advice!"})},
        {"u2 normal", block({"2. Urine: Reading is normal."})},
        {"u3 low", block({"3. Urine: Reading is too low.", "Consistent readings below 6 are too acidic to be ignored!"})},
        {"u3 high", block({"3. Urine: Reading too high.", "Reading should not be much higher than 7",
                           "Between meals: Readings between 6.6 and 8 may occur.", "If readings stay above 7: Seek professional advice!"})},
        {"u3 normal", block({"3. Urine: Reading is normal."})},
        {"u4 low", block({"4. Urine: Reading is too low.", "Consistent readings below 6 are too acidic to be ignored!"})},
        {"u4 high", block({"4. Urine: Reading too high.", "Reading should not be much higher than 7",
                           "Between meals: Readings between 6.6 and 8 may occur.", "If readings stay above 7: Seek professional advice!"})},
        {"u4 normal", block({"4. Urine: Reading is normal."})},
    };
    return b;
}

DailyReadings only(int box, const QString &text)
{
    DailyReadings r;
    r[std::size_t(box)] = text;
    return r;
}

} // namespace

class TestEvaluation : public QObject
{
    Q_OBJECT
private slots:
    void eachTableAtItsBoundaries_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("expected"); // a key of blocks(), or empty for no comment

        const struct {
            int box;
            const char *reading;
            const char *expected;
        } cases[] = {
            {Urine1, "0", "u1 low"}, {Urine1, "5", "u1 low"}, {Urine1, "6", "u1 low"}, {Urine1, "6.01", "u1 in range"},
            {Urine1, "7.99", "u1 in range"}, {Urine1, "8", "u1 high"}, {Urine1, "14", "u1 high"},

            {Saliva1, "6.79", "s1 low"}, {Saliva1, "6.8", "s1 normal"}, {Saliva1, "6.80", "s1 normal"},
            {Saliva1, "6.85", ""}, {Saliva1, "6.9", "s1 normal"}, {Saliva1, "7", "s1 normal"}, {Saliva1, "7.1", "s1 normal"},
            {Saliva1, "7.2", "s1 normal"}, {Saliva1, "7.25", ""}, {Saliva1, "7.5", ""}, {Saliva1, "8.5", ""},
            {Saliva1, "8.51", "s1 high"},

            {Saliva2, "7.9", "s2 low"}, {Saliva2, "7.99", "s2 low"}, {Saliva2, "8", "s2 normal"}, {Saliva2, "8.1", "s2 normal"},
            {Saliva2, "8.25", ""}, {Saliva2, "8.3", "s2 normal"}, {Saliva2, "8.5", "s2 normal"}, {Saliva2, "8.8", "s2 normal"},
            {Saliva2, "8.9", "s2 normal"}, {Saliva2, "9", "s2 normal"}, {Saliva2, "9.01", "s2 high"}, {Saliva2, "9.1", "s2 high"},

            {Urine2, "6", "u2 low"}, {Urine2, "6.5", "u2 low"}, {Urine2, "6.55", ""}, {Urine2, "6.6", "u2 normal"},
            {Urine2, "6.7", "u2 normal"}, {Urine2, "6.8", "u2 normal"}, {Urine2, "6.9", ""}, {Urine2, "6.99", ""},
            {Urine2, "7", "u2 high"},

            {Urine3, "6.5", "u3 low"}, {Urine3, "6.55", "u3 low"}, {Urine3, "6.59", "u3 low"}, {Urine3, "6.6", "u3 normal"},
            {Urine3, "6.7", "u3 normal"}, {Urine3, "6.8", "u3 normal"}, {Urine3, "6.9", ""}, {Urine3, "7", "u3 high"},

            {Urine4, "6.59", "u4 low"}, {Urine4, "6.6", "u4 normal"}, {Urine4, "6.7", "u4 normal"}, {Urine4, "6.8", "u4 normal"},
            {Urine4, "6.9", "u4 normal"}, {Urine4, "6.95", ""}, {Urine4, "7", ""}, {Urine4, "7.01", "u4 high"},
        };
        for (const auto &c : cases) {
            QTest::addRow("%s = %s", halvora::ph::readingInfo[std::size_t(c.box)].title, c.reading)
                << c.box << QString(c.reading) << QString(c.expected);
        }
    }
    void eachTableAtItsBoundaries()
    {
        QFETCH(int, box);
        QFETCH(QString, reading);
        QFETCH(QString, expected);
        const auto result = ReadingEvaluation::evaluate(only(box, reading), QLocale::c());
        QCOMPARE(result.invalidReading, -1);
        QCOMPARE(result.comments, expected.isEmpty() ? QString() : blocks().value(expected));
    }

    void blocksFollowTheOrderOfTheDay()
    {
        DailyReadings r;
        r[Urine1] = "5";
        r[Saliva2] = "8.5";
        QCOMPARE(ReadingEvaluation::evaluate(r, QLocale::c()).comments,
                 QString("\r\n1. Urine: Reading is too low.\r\n"
                         "Readings between 0 and 5 are too acidic to be ignored!\r\n"
                         "However, Readings between 5 and 6 can be normal if they occur around 2 a.m.\r\n"
                         "\r\n"
                         "A second saliva reading between 8 and 9 is normal if taken a few minutes after a healthy breakfast.\r\n"));

        const DailyReadings all{"6.5", "7", "8.2", "6.6", "7.2", "6.9"};
        QCOMPARE(ReadingEvaluation::evaluate(all, QLocale::c()).comments,
                 blocks()["u1 in range"] + blocks()["s1 normal"] + blocks()["s2 normal"] + blocks()["u2 normal"]
                     + blocks()["u3 high"] + blocks()["u4 normal"]);
    }

    void emptyBoxesAndUnmatchedValuesGiveNoComments()
    {
        QCOMPARE(ReadingEvaluation::evaluate(DailyReadings{}, QLocale::c()).comments, QString());
        QCOMPARE(ReadingEvaluation::evaluate(only(Saliva1, "7.5"), QLocale::c()).comments, QString());
        // Only blanks looks empty on screen and counts as not entered.
        const auto blanks = ReadingEvaluation::evaluate(only(Urine2, "   "), QLocale::c());
        QCOMPARE(blanks.invalidReading, -1);
        QCOMPARE(blanks.comments, QString());
    }

    void numbersAreReadInTheUsersFormat_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("blanks around") << en << "  6.8\t" << true << 6.8;
        QTest::newRow("trailing zero") << en << "6.80" << true << 6.8;
        QTest::newRow("German comma") << de << "6,8" << true << 6.8;
        QTest::newRow("point in German") << de << "6.8" << false << 0.0;
        QTest::newRow("comma in English") << en << "6,8" << false << 0.0;
        QTest::newRow("thousands") << en << "1,000" << false << 0.0;
        QTest::newRow("letters") << en << "abc" << false << 0.0;
        QTest::newRow("lone point") << en << "." << false << 0.0;
        QTest::newRow("number and unit") << en << "6.8 pH" << false << 0.0;
        QTest::newRow("infinity") << en << "inf" << false << 0.0;
        QTest::newRow("not a number") << en << "nan" << false << 0.0;
    }
    void numbersAreReadInTheUsersFormat()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, reading);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto number = ReadingEvaluation::readNumber(reading, locale);
        QCOMPARE(number.kind == ReadingEvaluation::Number::Kind::Valid, isNumber);
        QCOMPARE(number.kind == ReadingEvaluation::Number::Kind::Invalid, !isNumber);
        if (isNumber)
            QCOMPARE(number.value, value);
    }

    void textThatIsNotANumberStopsTheEvaluation()
    {
        DailyReadings r;
        r[Urine1] = "5";
        r[Urine2] = "6,6";
        r[Urine4] = "x";
        const auto result = ReadingEvaluation::evaluate(r, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(result.invalidReading, int(Urine2));
        QCOMPARE(result.comments, QString());

        const auto german = ReadingEvaluation::evaluate(r, QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(german.invalidReading, int(Urine4));
    }
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
