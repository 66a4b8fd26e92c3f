#include "PageTimings.h"

#include "ActiveResize.h"
#include "Memory.h"
#include "PageNavigator.h"
#include "PageWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>

#include <algorithm>

namespace halvora::bench {

namespace {

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double percentile(const QVector<double> &sorted, double p)
{
    if (sorted.isEmpty())
        return 0;
    const qsizetype i = qMin(sorted.size() - 1, qsizetype(p * (sorted.size() - 1) + 0.5));
    return sorted.at(i);
}

QStringList pages(PageNavigator &navigator)
{
    QStringList ids = navigator.registeredPages();
    if (navigator.mainMenu())
        ids.removeAll(navigator.mainMenu()->pageId());
    return ids;
}

double openAndClose(PageNavigator &navigator, const QString &id)
{
    QElapsedTimer timer;
    timer.start();
    navigator.openPage(id);
    QCoreApplication::processEvents();
    navigator.closePage(id);
    settle();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

QJsonObject summarize(QVector<double> millis)
{
    std::sort(millis.begin(), millis.end());
    return {{"count", millis.size()},
            {"median_ms", percentile(millis, 0.5)},
            {"p95_ms", percentile(millis, 0.95)},
            {"worst_ms", millis.isEmpty() ? 0 : millis.last()}};
}

QJsonObject measurePages(PageNavigator &navigator, int rounds)
{
    QVector<double> all;
    QString worstId;
    double worst = -1;
    for (const QString &id : pages(navigator)) {
        QVector<double> times;
        for (int r = 0; r < rounds; ++r)
            times.append(openAndClose(navigator, id));
        std::sort(times.begin(), times.end());
        const double median = percentile(times, 0.5);
        all.append(median);
        if (median > worst) {
            worst = median;
            worstId = id;
        }
    }
    QJsonObject result = summarize(all);
    result.insert("worst_page", worstId);

    // The floor: an empty window shown and closed the same way.
    QVector<double> floor;
    for (int r = 0; r < rounds * 10; ++r) {
        QElapsedTimer timer;
        timer.start();
        auto *w = new QWidget;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->resize(792, 534);
        w->show();
        QCoreApplication::processEvents();
        w->close();
        settle();
        floor.append(timer.nsecsElapsed() / 1e6);
    }
    result.insert("empty_window_floor", summarize(floor));
    return result;
}

QJsonObject measureRescale(PageNavigator &navigator, const QString &pageId, int rounds)
{
    PageWindow *page = navigator.openPage(pageId);
    if (!page || !page->scaling())
        return {{"page", pageId}, {"error", "no scaled window"}};
    page->setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    QVector<double> times;
    const QSize sizes[] = {QSize(1280, 1024), QSize(792, 534)};
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        page->resize(sizes[r % 2]);
        page->scaling()->rescale();
        QCoreApplication::processEvents();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    QJsonObject result = summarize(times);
    result.insert("page", pageId);
    result.insert("controls", int(page->findChildren<QWidget *>().size()));
    navigator.closePage(pageId);
    settle();
    return result;
}

QJsonObject measureMemory(PageNavigator &navigator, int openAtOnce, int rounds)
{
    const QStringList ids = pages(navigator);
    QJsonObject result{{"after_start_kb", residentKilobytes()}};
    const QStringList some = ids.mid(0, openAtOnce);
    for (const QString &id : some)
        navigator.openPage(id);
    QCoreApplication::processEvents();
    result.insert("pages_open", int(some.size()));
    result.insert("with_pages_open_kb", residentKilobytes());
    for (const QString &id : some)
        navigator.closePage(id);
    settle();
    result.insert("after_closing_kb", residentKilobytes());

    QJsonArray perRound;
    for (int r = 0; r < rounds; ++r) {
        for (const QString &id : ids)
            openAndClose(navigator, id);
        perRound.append(residentKilobytes());
    }
    result.insert("after_each_round_kb", perRound);
    if (perRound.size() > 1)
        result.insert("growth_first_to_last_round_kb", perRound.last().toInteger() - perRound.first().toInteger());
    return result;
}

} // namespace halvora::bench
