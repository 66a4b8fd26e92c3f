#pragma once

#include <QtGlobal>

namespace halvora::bench {

// Resident memory of this process in kilobytes, or -1 where it cannot be read.
qint64 residentKilobytes();

} // namespace halvora::bench
