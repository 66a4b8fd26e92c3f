#include "RtfThroughput.h"

#include "rtf/RtfReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonValue>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include <sys/resource.h>

namespace halvora::bench {

namespace {

constexpr double kBytesPerMegabyte = 1e6;
constexpr int kReaderRuns = 3;
constexpr int kUnrtfRuns = 1; // unrtf is slow; one run keeps the bench short

// Deterministic, so every run measures the same document.
class Random
{
public:
    std::uint32_t next(std::uint32_t bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33) % bound;
    }

private:
    std::uint64_t m_state = 0x48616c766f7261ULL;
};

class DocumentGenerator
{
public:
    QByteArray generate(qsizetype targetBytes)
    {
        m_out.reserve(targetBytes + 64 * 1024);
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
                 "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
                 "{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}"
                 "{\\f2\\fswiss\\fprq2\\fcharset204 Arial Cyr;}"
                 "{\\f3\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
                 "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;\\red0\\green112\\blue192;"
                 "\\red0\\green128\\blue0;\\red255\\green255\\blue0;}\r\n"
                 "{\\stylesheet{\\ql \\f0\\fs24 Normal;}{\\s1\\ql\\b\\f1\\fs32 heading 1;}}\r\n"
                 "{\\*\\generator Halvora bench;}{\\info{\\title Generated}{\\author Bench}}\r\n"
                 "\\viewkind4\\uc1\r\n";
        while (m_out.size() < targetBytes) {
            ++m_paragraphs;
            if (m_paragraphs % 40 == 0)
                heading();
            else
                paragraph();
            if (m_paragraphs % 60 == 0)
                hexPicture();
            if (m_paragraphs % 250 == 0)
                binaryPicture();
        }
        m_out += "}\r\n";
        return std::move(m_out);
    }

    int paragraphs() const { return m_paragraphs; }

private:
    void heading()
    {
        m_out += "\\pard\\plain\\s1\\sb240\\sa120\\keepn\\b\\f1\\fs32 Section ";
        m_out += QByteArray::number(m_paragraphs / 40);
        m_out += ": findings and \\ldblquote notes\\rdblquote\\par\r\n";
    }

    void paragraph()
    {
        static constexpr std::array<const char *, 6> kAlign = {"\\ql", "\\ql", "\\ql", "\\qj", "\\qc", "\\qr"};
        m_out += "\\pard\\plain\\sa120";
        m_out += kAlign[m_random.next(kAlign.size())];
        m_out += "\\f0\\fs24 ";
        const int sentences = 2 + static_cast<int>(m_random.next(5));
        for (int s = 0; s < sentences; ++s)
            sentence();
        m_out += "\\par\r\n";
    }

    void sentence()
    {
        static constexpr std::array<const char *, 16> kWords = {
            "the", "patient", "study", "treatment", "cells", "tumour", "results", "were",
            "observed", "during", "therapy", "with", "reduced", "growth", "significant", "dose"};
        const int words = 6 + static_cast<int>(m_random.next(14));
        for (int w = 0; w < words; ++w) {
            switch (m_random.next(24)) {
            case 0: m_out += "{\\b important}"; break;
            case 1: m_out += "\\i in vitro\\i0"; break;
            case 2: m_out += "\\cf2 warning\\cf0"; break;
            case 3: m_out += "caf\\'e9 na\\'efve"; break;
            case 4: m_out += "\\u8220\\'93quoted\\u8221\\'94"; break;
            case 5: m_out += "{\\f2\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}"; break;
            case 6: m_out += "\\u945?\\u946?\\u947?"; break;
            case 7: m_out += "{\\ul\\cf3 underlined link}"; break;
            case 8: m_out += "5\\'b0C \\endash  10\\'b5g"; break;
            case 9: m_out += "{\\f3\\fs20 code_name()}"; break;
            default: m_out += kWords[m_random.next(kWords.size())]; break;
            }
            m_out += ' ';
        }
        m_out += m_random.next(10) == 0 ? "end.\\line " : "end. ";
    }

    void hexPicture()
    {
        static constexpr char kHex[] = "0123456789abcdef";
        m_out += "{\\*\\shppict{\\pict\\pngblip\\picw64\\pich64\\picwgoal960\\pichgoal960\r\n";
        for (int line = 0; line < 32; ++line) {
            for (int i = 0; i < 128; ++i)
                m_out += kHex[m_random.next(16)];
            m_out += "\r\n";
        }
        m_out += "}}{\\nonshppict{\\pict\\wmetafile8\\picw64\\pich64 0100090000035a00}}\r\n";
    }

    void binaryPicture()
    {
        constexpr int size = 1024;
        m_out += "{\\pict\\pngblip\\bin";
        m_out += QByteArray::number(size);
        m_out += ' ';
        for (int i = 0; i < size; ++i)
            m_out += static_cast<char>(m_random.next(256)); // braces and backslashes included
        m_out += "}\r\n";
    }

    QByteArray m_out;
    Random m_random;
    int m_paragraphs = 0;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double megabytesPerSecond(qsizetype bytes, qint64 nanoseconds)
{
    return nanoseconds > 0 ? (bytes / kBytesPerMegabyte) / (nanoseconds / 1e9) : 0.0;
}

// User plus system time of this process or of its waited-for children.
qint64 cpuNanoseconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto ns = [](const timeval &t) { return qint64(t.tv_sec) * 1000000000 + qint64(t.tv_usec) * 1000; };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

// Wall-clock and CPU time of a step, each the best of several runs: on a
// shared machine the fastest run is the least disturbed, and CPU time is
// what compares fairly when other work competes for the cores.
struct Timing {
    qint64 wall = -1;
    qint64 cpu = -1;
};

template <typename Step>
Timing bestOf(int runs, int cpuWho, Step step)
{
    Timing best{std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max()};
    for (int i = 0; i < runs; ++i) {
        const qint64 cpuBefore = cpuNanoseconds(cpuWho);
        QElapsedTimer timer;
        timer.start();
        if (!step())
            return {};
        best.wall = std::min(best.wall, timer.nsecsElapsed());
        best.cpu = std::min(best.cpu, cpuNanoseconds(cpuWho) - cpuBefore);
    }
    return best;
}

QJsonValue seconds(qint64 nanoseconds)
{
    return nanoseconds < 0 ? QJsonValue() : QJsonValue(nanoseconds / 1e9);
}

QJsonValue rate(qsizetype bytes, qint64 nanoseconds)
{
    return nanoseconds <= 0 ? QJsonValue() : QJsonValue(megabytesPerSecond(bytes, nanoseconds));
}

void report(QJsonObject *result, const QString &name, qsizetype bytes, const Timing &timing)
{
    (*result)[name + QStringLiteral("_seconds")] = seconds(timing.wall);
    (*result)[name + QStringLiteral("_mb_per_s")] = rate(bytes, timing.wall);
    (*result)[name + QStringLiteral("_cpu_seconds")] = seconds(timing.cpu);
    (*result)[name + QStringLiteral("_cpu_mb_per_s")] = rate(bytes, timing.cpu);
}

} // namespace

QJsonObject measureRtfThroughput(int megabytes)
{
    QJsonObject result;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        result[QStringLiteral("error")] = QStringLiteral("No temporary folder for the RTF document.");
        return result;
    }
    const QString path = dir.filePath(QStringLiteral("throughput.rtf"));
    DocumentGenerator generator;
    const qsizetype bytes = [&] {
        QFile file(path);
        const QByteArray rtf = generator.generate(static_cast<qsizetype>(std::max(1, megabytes) * kBytesPerMegabyte));
        return file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size() ? rtf.size() : qsizetype(-1);
    }();
    if (bytes < 0) {
        result[QStringLiteral("error")] = QStringLiteral("The RTF document could not be written.");
        return result;
    }
    result[QStringLiteral("rtf_bytes")] = static_cast<double>(bytes);
    result[QStringLiteral("rtf_paragraphs")] = generator.paragraphs();

    QString plain;
    const Timing plainTiming = bestOf(kReaderRuns, RUSAGE_SELF, [&] {
        return RtfReader::plainText(readAll(path), &plain).ok;
    });
    report(&result, QStringLiteral("plain_text"), bytes, plainTiming);
    result[QStringLiteral("plain_text_chars")] = static_cast<double>(plain.size());

    bool matches = false;
    const Timing documentTiming = bestOf(kReaderRuns, RUSAGE_SELF, [&] {
        QTextDocument doc;
        const bool ok = RtfReader::read(readAll(path), &doc).ok;
        matches = ok && doc.toPlainText() == plain;
        return ok;
    });
    report(&result, QStringLiteral("document"), bytes, documentTiming);
    result[QStringLiteral("document_text_matches_plain_text")] = matches;

    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    Timing unrtfTiming;
    if (!unrtf.isEmpty()) {
        unrtfTiming = bestOf(kUnrtfRuns, RUSAGE_CHILDREN, [&] {
            QProcess process;
            process.setStandardOutputFile(QProcess::nullDevice());
            process.setStandardErrorFile(QProcess::nullDevice());
            process.start(unrtf, {QStringLiteral("--text"), path});
            return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
                && process.exitCode() == 0;
        });
        if (unrtfTiming.wall < 0)
            result[QStringLiteral("unrtf_error")] = QStringLiteral("unrtf did not finish normally.");
    }
    report(&result, QStringLiteral("unrtf_text"), bytes, unrtfTiming);
    return result;
}

} // namespace halvora::bench
