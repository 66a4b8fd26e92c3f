// halvora-bench: prints one JSON object of figures to compare between builds.
// Nothing here is a pass or fail; see README.md.
#include "Memory.h"
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageTimings.h"
#include "ph/ReadingEvaluation.h"
#include "Shell.h"
#include "Startup.h"

#ifdef HALVORA_BENCH_RTF
#include "RtfThroughput.h"
#endif

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

using namespace halvora;

namespace {

// Child modes: start, show the first window, say so on stdout, end.
int runChild(const QString &mode, const QString &folder, int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget *shown = nullptr;
    QWidget empty;
    if (mode == QLatin1String("--startup-child")) {
        MessageBox::setRecording(true);
        shown = start(folder);
    } else {
        empty.resize(792, 534);
        empty.show();
        shown = &empty;
    }
    if (!shown)
        return 1;
    QCoreApplication::processEvents();
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    return 0;
}

// Cold start of a new process until its first window is shown, in milliseconds.
QJsonObject timeStart(const QString &mode, const QString &folder, int rounds)
{
    QVector<double> times;
    for (int r = 0; r < rounds; ++r) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {mode, folder});
        if (!child.waitForReadyRead(30000))
            continue;
        times.append(timer.nsecsElapsed() / 1e6);
        child.waitForFinished(30000);
    }
    return bench::summarize(times);
}

// EvaluateReadings over a spread of days, in microseconds per call.
QJsonObject timeEvaluation(int calls)
{
    const QLocale c(QLocale::C);
    QVector<ph::DailyReadings> days;
    for (int i = 0; i < 64; ++i) {
        ph::DailyReadings day;
        for (int r = 0; r < ph::readingCount; ++r)
            day[r] = (i + r) % 7 == 0 ? QString() : QString::number(5.0 + ((i * 7 + r * 3) % 40) / 10.0, 'f', 1);
        days.append(day);
    }
    qsizetype characters = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        characters += ph::ReadingEvaluation::evaluate(days.at(i % days.size()), c).comments.size();
    const double micros = timer.nsecsElapsed() / 1e3 / calls;
    return {{"calls", calls}, {"microseconds_per_call", micros}, {"characters_out", double(characters)}};
}

void copyProgramFolder(const QString &to)
{
    const QDir built(QStringLiteral(HALVORA_PROGRAM_DIR));
    for (const QString &name : built.entryList(QDir::Files))
        QFile::copy(built.filePath(name), QDir(to).filePath(name));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && (qstrcmp(argv[1], "--startup-child") == 0 || qstrcmp(argv[1], "--floor-child") == 0))
        return runChild(QString::fromLatin1(argv[1]), QString::fromLocal8Bit(argv[2]), argc, argv);

    QApplication app(argc, argv);
    MessageBox::setRecording(true);
    Shell::setRecording(true);
    QTemporaryDir folder;
    copyProgramFolder(folder.path());

    QJsonObject out;
    out.insert("startup_to_main_menu", timeStart("--startup-child", folder.path(), 5));
    out.insert("startup_floor_empty_window", timeStart("--floor-child", folder.path(), 5));

    QWidget *menu = start(folder.path());
    auto *navigator = menu->findChild<PageNavigator *>();
    out.insert("pages_registered", int(navigator->registeredPages().size()));
    out.insert("page_open_close", bench::measurePages(*navigator, 5));
    QString rescalePage = QStringLiteral("frmAAMenu");
    for (const QString &candidate : {QStringLiteral("frmAlternativeTherapies"), QStringLiteral("frmRisks2")}) {
        if (navigator->isRegistered(candidate))
            rescalePage = candidate;
    }
    out.insert("rescale", rescalePage == QLatin1String("frmAAMenu")
                              ? QJsonObject{{"page", rescalePage}, {"note", "content pages not registered"}}
                              : bench::measureRescale(*navigator, rescalePage, 40));
    out.insert("memory", bench::measureMemory(*navigator, 30, 10));
    out.insert("evaluate_readings", timeEvaluation(200000));
#ifdef HALVORA_BENCH_RTF
    out.insert("rtf", bench::measureRtfThroughput(20));
#endif
    delete menu;
    std::fputs(QJsonDocument(out).toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}
