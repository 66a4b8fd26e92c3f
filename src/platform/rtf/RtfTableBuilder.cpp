#include "RtfTableBuilder.h"

#include <algorithm>

namespace halvora::rtf {

TableBuilder::TableBuilder(Tables *tables)
    : m_tables(tables)
{
}

void TableBuilder::beginFont(int number)
{
    endFont();
    m_fontOpen = true;
    m_fontNumber = number;
    m_font = FontEntry{};
}

void TableBuilder::endFont()
{
    if (m_fontOpen) {
        m_font.name = m_fontName.trimmed();
        m_tables->fonts.insert(m_fontNumber, m_font);
        m_fontOpen = false;
    }
    m_fontName.clear();
}

void TableBuilder::beginColors()
{
    m_colorSet = false;
    std::fill(std::begin(m_components), std::end(m_components), 0);
}

void TableBuilder::setColorComponent(int which, int value)
{
    m_components[std::clamp(which, 0, 2)] = std::clamp(value, 0, 255);
    m_colorSet = true;
}

void TableBuilder::endColor()
{
    // An entry without components is "automatic", as entry 0 usually is.
    m_tables->colors.append(m_colorSet ? QColor(m_components[0], m_components[1], m_components[2]) : QColor());
    beginColors();
}

} // namespace halvora::rtf
