#pragma once

#include "DailyReadings.h"

#include <QLocale>
#include <QString>

namespace halvora::ph {

// Turns a day's readings into comment lines by fixed rule tables, one table
// per reading. Pure: it reads nothing but its arguments.
class ReadingEvaluation
{
public:
    static inline const QString noEntriesMessage = QStringLiteral("There are no entries. Please, add pH values.");

    // One box's text: not entered (empty or only blanks), a number, or text
    // that is not a number in the given locale.
    struct Number {
        enum class Kind { Empty, Valid, Invalid };
        Kind kind = Kind::Empty;
        double value = 0;
    };
    static Number readNumber(const QString &text, const QLocale &locale);

    struct Result {
        // One block per reading that met a rule: CR LF, then each line ended by CR LF.
        // Empty when no rule produced a line.
        QString comments;
        // Index of the first box whose text is not a number, or -1. When set,
        // nothing was evaluated.
        int invalidReading = -1;
    };
    static Result evaluate(const DailyReadings &readings, const QLocale &locale);

    // The block of one reading's value, or empty when no rule of its table holds.
    static QString commentsFor(int reading, double value);
};

} // namespace halvora::ph
