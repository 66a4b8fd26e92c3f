#pragma once

#include "RtfState.h"

namespace halvora::rtf {

// Assembles the font and colour tables from their destinations: entries
// end with ';' (or, for fonts, with the entry's group).
class TableBuilder
{
public:
    explicit TableBuilder(Tables *tables);

    void beginFont(int number);
    void setFontCodePage(int codePage) { m_font.codePage = codePage; }
    int fontCodePage() const { return m_font.codePage; }
    void appendFontName(QStringView text) { m_fontName.append(text); }
    void appendFontName(QLatin1StringView text) { m_fontName.append(text); }
    // Ends the font entry being read, if one is open; drops stray name text.
    void endFont();

    void beginColors();
    void setColorComponent(int which, int value); // 0 red, 1 green, 2 blue
    void endColor();

private:
    Tables *m_tables;

    bool m_fontOpen = false;
    int m_fontNumber = 0;
    FontEntry m_font;
    QString m_fontName;

    int m_components[3] = {0, 0, 0};
    bool m_colorSet = false;
};

} // namespace halvora::rtf
