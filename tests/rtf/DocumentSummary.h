#pragma once

#include <QFile>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace halvora::test {

inline QByteArray readFixture(const QString &name)
{
    QFile file(QStringLiteral(HALVORA_RTF_FIXTURES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The formatting of a run as a reader sees it, with the document's default
// font filling in what the run leaves unset.
inline QString describeFormat(const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    QStringList parts{font.family(), QString::number(font.pointSizeF())};
    if (font.bold())
        parts << QStringLiteral("bold");
    if (font.italic())
        parts << QStringLiteral("italic");
    if (font.underline())
        parts << QStringLiteral("underline");
    if (font.strikeOut())
        parts << QStringLiteral("strike");
    if (format.foreground().style() != Qt::NoBrush)
        parts << QStringLiteral("fg") + format.foreground().color().name();
    if (format.background().style() != Qt::NoBrush)
        parts << QStringLiteral("bg") + format.background().color().name();
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        parts << QStringLiteral("super");
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        parts << QStringLiteral("sub");
    return parts.join(u' ');
}

// One line per paragraph (alignment and distances) and per run of equally
// formatted text, so two documents compare as a reader would see them.
inline QStringList describe(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        lines << QStringLiteral("paragraph align=%1 margins=%2,%3,%4,%5,%6")
                     .arg(int(bf.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(bf.leftMargin())
                     .arg(bf.rightMargin())
                     .arg(bf.textIndent())
                     .arg(bf.topMargin())
                     .arg(bf.bottomMargin());
        QString previous;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString format = describeFormat(fragment.charFormat(), doc.defaultFont());
            if (format == previous)
                lines.last() += fragment.text();
            else
                lines << QStringLiteral("[%1] %2").arg(format, fragment.text());
            previous = format;
        }
    }
    return lines;
}

} // namespace halvora::test
