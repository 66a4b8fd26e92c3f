#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>

namespace halvora::rtf {

// Character formatting as RTF describes it: indices into the document's
// tables, resolved into Qt formats only when a run is handed to a sink.
struct CharState {
    int font = -1;            // -1: the document's default font (\deff)
    int halfPoints = 24;      // \fs; RTF's default is 12 pt
    int foreground = 0;       // \cf index, 0 = automatic
    int background = 0;       // \highlight / \cb index, 0 = none
    std::uint8_t vertical = 0; // 0 normal, 1 superscript, 2 subscript
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;      // \v: not shown, so not read

    bool operator==(const CharState &) const = default;
};

enum class Alignment : std::uint8_t { Left, Center, Right, Justify };

// Paragraph formatting; distances in twips.
struct ParaState {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool inTable = false; // \intbl: the paragraph lies in a table cell

    bool operator==(const ParaState &) const = default;
};

// UnicodePair: inside \upr, whose first group is an ANSI copy of the \*\ud
// group that follows it; only the \ud copy is read.
enum class Destination : std::uint8_t { Text, Skip, FontTable, ColorTable, UnicodePair };

// What `{` saves and `}` restores. \uc lives here, not per destination.
struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    Destination unicodePairOuter = Destination::Text; // restored by \ud
    int unicodeSkip = 1;
    bool listMarker = false; // in \listtext or \pntext, before the marker's first character
};

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
};

struct Tables {
    QHash<int, FontEntry> fonts;
    QList<QColor> colors; // invalid entry = automatic colour
    int defaultFont = 0;
    int documentCodePage = 1252;

    const FontEntry *font(int number) const
    {
        const auto it = fonts.constFind(number < 0 ? defaultFont : number);
        return it == fonts.cend() ? nullptr : &it.value();
    }
    QColor color(int index) const
    {
        return index > 0 && index < colors.size() ? colors.at(index) : QColor();
    }
};

} // namespace halvora::rtf
