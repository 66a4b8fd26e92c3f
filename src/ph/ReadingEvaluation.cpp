#include "ReadingEvaluation.h"

#include <cmath>
#include <vector>

namespace halvora::ph {

namespace {

// One rule of a reading's table: a test on the number and the lines it gives.
struct Rule {
    enum class Test { AtMost, Below, Above, AtLeast, Between, OneOf };
    Test test;
    double low = 0;              // the bound; Between: the lower bound
    double high = 0;             // Between: the upper bound
    std::vector<double> values;  // OneOf: the exact values, compared as doubles
    std::vector<const char *> lines;

    bool holds(double x) const
    {
        switch (test) {
        case Test::AtMost:
            return x <= low;
        case Test::Below:
            return x < low;
        case Test::Above:
            return x > low;
        case Test::AtLeast:
            return x >= low;
        case Test::Between:
            return x > low && x < high;
        case Test::OneOf:
            for (double v : values) {
                if (x == v)
                    return true;
            }
            return false;
        }
        return false;
    }
};

using T = Rule::Test;

const char *const seekAdvice = "If readings stay high: Seek professional advice!";
const char *const seekAdviceAbove7 = "If readings stay above 7: Seek professional advice!";
const char *const betweenMeals = "Between meals: Readings between 6.6 and 8 may occur.";
const char *const notMuchAbove7 = "Reading should not be much higher than 7";
const char *const below6TooAcidic = "Consistent readings below 6 are too acidic to be ignored!";

// The tables in the order of the day; within a table the first rule that holds wins.
const std::vector<std::vector<Rule>> &tables()
{
    static const std::vector<std::vector<Rule>> t{
        // 1. Urine
        {
            {T::AtMost, 6, 0, {},
             {"1. Urine: Reading is too low.", "Readings between 0 and 5 are too acidic to be ignored!",
              "However, Readings between 5 and 6 can be normal if they occur around 2 a.m."}},
            {T::Between, 6, 8, {}, {"1. Urine: Reading is within range."}},
            {T::AtLeast, 8, 0, {},
             {"1. Urine: Reading too high.", "First readings in the morning are usually slightly acidic.",
              "Between meals: Readings between 6.6 and 8 may occur. Not expected early in the morning.", seekAdvice}},
        },
        // 1. Saliva
        {
            {T::Below, 6.8, 0, {}, {"1. Saliva: Reading is too low.", "Adjust pH balance. Readings should be around 6.8"}},
            {T::Above, 8.5, 0, {}, {"1. Saliva: Reading too high.", seekAdvice}},
            {T::OneOf, 0, 0, {6.8, 6.9, 7, 7.1, 7.2}, {"1. Saliva: Reading of 6.8 to 7 is normal."}},
        },
        // 2. Saliva
        {
            {T::Below, 8, 0, {}, {"2. Saliva: Reading is too low.", "Adjust pH balance. Readings should be around 8.5"}},
            {T::Above, 9, 0, {}, {"2. Saliva: Reading too high.", seekAdvice}},
            {T::OneOf, 0, 0, {8, 8.1, 8.2, 8.3, 8.4, 8.5, 8.6, 8.7, 8.8, 8.9, 9},
             {"A second saliva reading between 8 and 9 is normal if taken a few minutes after a healthy breakfast."}},
        },
        // 2. Urine
        {
            {T::AtMost, 6.5, 0, {}, {"2. Urine: Reading is too low.", below6TooAcidic}},
            {T::AtLeast, 7, 0, {}, {"2. Urine: Reading too high.", notMuchAbove7, betweenMeals, seekAdviceAbove7}},
            {T::OneOf, 0, 0, {6.6, 6.7, 6.8}, {"2. Urine: Reading is normal."}},
        },
        // 3. Urine
        {
            {T::Below, 6.6, 0, {}, {"3. Urine: Reading is too low.", below6TooAcidic}},
            {T::AtLeast, 7, 0, {}, {"3. Urine: Reading too high.", notMuchAbove7, betweenMeals, seekAdviceAbove7}},
            {T::OneOf, 0, 0, {6.6, 6.7, 6.8}, {"3. Urine: Reading is normal."}},
        },
        // 4. Urine
        {
            {T::Below, 6.6, 0, {}, {"4. Urine: Reading is too low.", below6TooAcidic}},
            {T::Above, 7, 0, {}, {"4. Urine: Reading too high.", notMuchAbove7, betweenMeals, seekAdviceAbove7}},
            {T::OneOf, 0, 0, {6.6, 6.7, 6.8, 6.9}, {"4. Urine: Reading is normal."}},
        },
    };
    return t;
}

const QString crLf = QStringLiteral("\r\n");

} // namespace

ReadingEvaluation::Number ReadingEvaluation::readNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A pH reading has no thousands: "6,8" must not pass as 68 where the comma groups digits.
    QLocale strict(locale);
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return {Number::Kind::Invalid, 0};
    return {Number::Kind::Valid, value};
}

QString ReadingEvaluation::commentsFor(int reading, double value)
{
    if (reading < 0 || reading >= readingCount)
        return {};
    for (const Rule &rule : tables()[std::size_t(reading)]) {
        if (!rule.holds(value))
            continue;
        QString block = crLf;
        for (const char *line : rule.lines)
            block += QString::fromLatin1(line) + crLf;
        return block;
    }
    return {};
}

ReadingEvaluation::Result ReadingEvaluation::evaluate(const DailyReadings &readings, const QLocale &locale)
{
    std::array<Number, readingCount> numbers;
    for (int i = 0; i < readingCount; ++i) {
        numbers[std::size_t(i)] = readNumber(readings[std::size_t(i)], locale);
        if (numbers[std::size_t(i)].kind == Number::Kind::Invalid)
            return {QString(), i};
    }
    Result result;
    for (int i = 0; i < readingCount; ++i) {
        if (numbers[std::size_t(i)].kind == Number::Kind::Valid)
            result.comments += commentsFor(i, numbers[std::size_t(i)].value);
    }
    return result;
}

} // namespace halvora::ph
