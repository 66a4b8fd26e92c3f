#pragma once

#include <QJsonObject>
#include <QString>
#include <QVector>

namespace halvora {
class PageNavigator;
}

namespace halvora::bench {

// Summary of a set of timings in milliseconds.
QJsonObject summarize(QVector<double> millis);

// Build + show + close of every registered window, and of an empty window as the floor.
QJsonObject measurePages(PageNavigator &navigator, int rounds);
// Rescaling a full content page when its window is resized.
QJsonObject measureRescale(PageNavigator &navigator, const QString &pageId, int rounds);
// Resident memory after start, with many pages open, after closing them, and across rounds of every page.
QJsonObject measureMemory(PageNavigator &navigator, int openAtOnce, int rounds);

} // namespace halvora::bench
