#pragma once

#include <QString>

#include <array>

namespace halvora::ph {

// The six readings of one day, in the order of the day. That order is used
// everywhere: on the sheet, in the evaluation, when clearing and in the log.
inline constexpr int readingCount = 6;

struct ReadingInfo {
    const char *box;      // the text box on the readings sheet
    const char *title;    // as the comments and messages name it
    const char *logLabel; // as a log record names it
};

inline constexpr std::array<ReadingInfo, readingCount> readingInfo{{
    {"txtUrine1", "1. Urine", "1.Urine"},
    {"txtSaliva1", "1. Saliva", "1.Saliva"},
    {"txtSaliva2", "2. Saliva", "2.Saliva"},
    {"txtUrine2", "2. Urine", "2.Urine"},
    {"txtUrine3", "3. Urine", "3.Urine"},
    {"txtUrine4", "4. Urine", "4.Urine"},
}};

// The texts of the six boxes, exactly as typed.
using DailyReadings = std::array<QString, readingCount>;

} // namespace halvora::ph
