#pragma once

#include <QJsonObject>

namespace halvora::bench {

// Generates an RTF document of about `megabytes` MB (10^6 bytes) in a
// temporary folder, shaped like word-processor output (font and colour
// tables, formatting runs, \'hh and \u escapes, hex and \bin pictures), and
// times in one run: RtfReader::plainText, RtfReader::read into a
// QTextDocument, and `unrtf --text` on the same file when unrtf is on PATH
// (null otherwise). Figures are MB/s, best of a few runs, file reading
// included; each also as CPU-time MB/s (unrtf: its own CPU time), which
// compares fairly on a loaded machine. Needs a QGuiApplication.
QJsonObject measureRtfThroughput(int megabytes = 20);

} // namespace halvora::bench
