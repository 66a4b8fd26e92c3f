#include "RtfWriter.h"

#include "RtfOutput.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <variant>

namespace halvora {

namespace {

// QTextDocument distances are pixels at 96 dpi; RTF's are twips.
constexpr int kTwipsPerPixel = 15;

struct RunFormat {
    QString family;
    int halfPoints = 24;
    QColor foreground; // invalid: automatic
    QColor background; // invalid: none
    int vertical = 0;  // 0 normal, 1 superscript, 2 subscript
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const RunFormat &) const = default;

    bool isPlain() const
    {
        return !bold && !italic && !underline && !strike && vertical == 0
            && !foreground.isValid() && !background.isValid();
    }
};

struct Run {
    RunFormat format;
    QString text;
};

struct ParagraphFormat {
    const char *alignment = nullptr; // nullptr: left
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int tabStop = 0; // a list item's: where the text after its marker starts

    bool isDefault() const
    {
        return !alignment && leftIndent == 0 && rightIndent == 0 && firstIndent == 0
            && spaceBefore == 0 && spaceAfter == 0 && tabStop == 0;
    }
};

struct Paragraph {
    ParagraphFormat format;
    QList<Run> runs;
    RunFormat mark; // the format of the paragraph's end, which an empty line is shown in
};

// A table as rows of cells, each cell a list of paragraphs; a nested table
// is written as the paragraphs of its cells.
struct Table {
    QList<int> cellRights; // right edge of each column, in twips from the left margin
    QList<QList<QList<Paragraph>>> rows;
};

using Item = std::variant<Paragraph, Table>;

// Each list level indents by this much, and the marker hangs in it.
constexpr int kListIndent = 360;
// Table width in twips: the text width of a Letter or A4 page with 1-inch margins, rounded down.
constexpr int kTableWidth = 9000;

int toTwips(qreal pixels)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

RunFormat runFormat(const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    RunFormat run;
    run.family = font.family();
    if (font.pointSizeF() > 0)
        run.halfPoints = static_cast<int>(std::lround(font.pointSizeF() * 2));
    else if (font.pixelSize() > 0)
        run.halfPoints = static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0 * 2));
    run.bold = font.bold();
    run.italic = font.italic();
    run.underline = font.underline();
    run.strike = font.strikeOut();
    if (format.foreground().style() != Qt::NoBrush)
        run.foreground = format.foreground().color();
    if (format.background().style() != Qt::NoBrush)
        run.background = format.background().color();
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        run.vertical = 1;
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        run.vertical = 2;
    return run;
}

ParagraphFormat paragraphFormat(const QTextBlockFormat &format)
{
    ParagraphFormat paragraph;
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignHCenter)
        paragraph.alignment = "\\qc";
    else if (alignment & Qt::AlignJustify)
        paragraph.alignment = "\\qj";
    else if (alignment & Qt::AlignRight)
        paragraph.alignment = "\\qr";
    paragraph.leftIndent = toTwips(format.leftMargin());
    paragraph.rightIndent = toTwips(format.rightMargin());
    paragraph.firstIndent = toTwips(format.textIndent());
    paragraph.spaceBefore = toTwips(format.topMargin());
    paragraph.spaceAfter = toTwips(format.bottomMargin());
    return paragraph;
}

// RTF's font family class, from the name; readers use it to substitute.
const char *familyClass(const QString &family)
{
    const QString name = family.toLower();
    const auto any = [&name](std::initializer_list<const char *> parts) {
        return std::any_of(parts.begin(), parts.end(),
                           [&name](const char *part) { return name.contains(QLatin1StringView(part)); });
    };
    if (any({"mono", "courier", "consolas", "lucida console", "fixed"}))
        return "\\fmodern";
    if (any({"sans", "arial", "helvetica", "verdana", "tahoma", "segoe", "calibri", "trebuchet", "system"}))
        return "\\fswiss";
    if (any({"serif", "times", "georgia", "garamond", "cambria", "palatino", "book antiqua", "roman"}))
        return "\\froman";
    if (any({"symbol", "wingdings", "webdings"}))
        return "\\ftech";
    return "\\fnil";
}

// The text before a list item: its bullet or number, then a tab.
QString listMarker(const QTextBlock &block, const QTextList &list)
{
    QString marker;
    switch (list.format().style()) {
    case QTextListFormat::ListCircle: marker = QStringLiteral("\u25E6"); break;
    case QTextListFormat::ListSquare: marker = QStringLiteral("\u25AA"); break;
    case QTextListFormat::ListDisc: marker = QStringLiteral("\u2022"); break;
    default: marker = list.itemText(block); break;
    }
    return marker + u'\t';
}

// Column widths in proportion to the longest text of each column, so a
// column of short labels beside one of sentences is not given half the page.
QList<int> columnRights(const QTextTable &table)
{
    QList<int> weights(table.columns(), 4);
    for (int r = 0; r < table.rows(); ++r) {
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            const int length = cell.lastPosition() - cell.firstPosition();
            weights[c] = std::max(weights[c], std::min(length, 60));
        }
    }
    const int total = std::accumulate(weights.cbegin(), weights.cend(), 0);
    QList<int> rights;
    int sum = 0;
    for (const int weight : std::as_const(weights)) {
        sum += weight;
        rights.append(static_cast<int>(qint64(kTableWidth) * sum / std::max(total, 1)));
    }
    return rights;
}

// Reads a document into paragraphs, tables and runs, and the font and colour tables they need.
class DocumentScan
{
public:
    explicit DocumentScan(const QTextDocument &doc)
        : m_defaultFont(doc.defaultFont())
    {
        scanFrame(doc.rootFrame(), [this](Paragraph &&p) { m_items.append(std::move(p)); },
                  [this](Table &&t) { m_items.append(std::move(t)); });
        m_emptyFormat = runFormat(doc.begin().charFormat(), m_defaultFont);

        forEachParagraph([this](const Paragraph &paragraph) {
            for (const Run &run : paragraph.runs) {
                addFont(run.format.family);
                addColor(run.format.foreground);
                addColor(run.format.background);
            }
            if (paragraph.runs.isEmpty()) {
                addFont(paragraph.mark.family);
                addColor(paragraph.mark.foreground);
                addColor(paragraph.mark.background);
            }
        });
        if (m_fonts.isEmpty())
            addFont(m_emptyFormat.family);
    }

    const QList<Item> &items() const { return m_items; }
    const QStringList &fonts() const { return m_fonts; }
    const QList<QColor> &colors() const { return m_colors; }
    int fontIndex(const QString &family) const { return m_fontIndex.value(family); }
    int colorIndex(const QColor &color) const
    {
        return color.isValid() ? m_colorIndex.value(color.rgba()) + 1 : 0;
    }

    // The first run, or for an empty document the format its cursor would type with.
    const RunFormat &leadingFormat() const
    {
        const RunFormat *found = nullptr;
        forEachParagraph([&found](const Paragraph &paragraph) {
            if (!found && !paragraph.runs.isEmpty())
                found = &paragraph.runs.first().format;
        });
        return found ? *found : m_emptyFormat;
    }

    // One paragraph in one plain font: RichEdit's short form, which carries
    // no code page and no colour table because nothing needs them.
    bool isSimple() const
    {
        if (m_items.size() != 1 || !std::holds_alternative<Paragraph>(m_items.first()))
            return false;
        const Paragraph &paragraph = std::get<Paragraph>(m_items.first());
        if (!paragraph.format.isDefault())
            return false;
        const RunFormat &lead = leadingFormat();
        return std::all_of(paragraph.runs.begin(), paragraph.runs.end(), [&lead](const Run &run) {
            return run.format.isPlain() && run.format.family == lead.family
                && run.format.halfPoints == lead.halfPoints;
        });
    }

    template<typename F>
    void forEachParagraph(F &&visit) const
    {
        for (const Item &item : m_items) {
            if (const auto *paragraph = std::get_if<Paragraph>(&item)) {
                visit(*paragraph);
                continue;
            }
            for (const auto &row : std::get<Table>(item).rows)
                for (const auto &cell : row)
                    for (const Paragraph &paragraph : cell)
                        visit(paragraph);
        }
    }

private:
    using ParagraphSink = std::function<void(Paragraph &&)>;
    using TableSink = std::function<void(Table &&)>;

    void scanFrame(QTextFrame *frame, const ParagraphSink &onParagraph, const TableSink &onTable)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (auto *table = qobject_cast<QTextTable *>(it.currentFrame()))
                onTable(scanTable(*table));
            else if (QTextFrame *inner = it.currentFrame())
                scanFrame(inner, onParagraph, onTable);
            else if (it.currentBlock().isValid())
                onParagraph(scanBlock(it.currentBlock()));
        }
    }

    Table scanTable(QTextTable &table)
    {
        Table result;
        result.cellRights = columnRights(table);
        for (int r = 0; r < table.rows(); ++r) {
            QList<QList<Paragraph>> row;
            for (int c = 0; c < table.columns(); ++c) {
                QList<Paragraph> cell;
                const QTextTableCell tableCell = table.cellAt(r, c);
                const ParagraphSink add = [&cell](Paragraph &&p) { cell.append(std::move(p)); };
                // A table inside a cell gives its paragraphs to the cell.
                const TableSink flatten = [&cell](Table &&inner) {
                    for (auto &innerRow : inner.rows)
                        for (auto &innerCell : innerRow)
                            cell.append(innerCell);
                };
                for (auto it = tableCell.begin(); !it.atEnd(); ++it) {
                    if (auto *inner = qobject_cast<QTextTable *>(it.currentFrame()))
                        flatten(scanTable(*inner));
                    else if (QTextFrame *frame = it.currentFrame())
                        scanFrame(frame, add, flatten);
                    else if (it.currentBlock().isValid())
                        add(scanBlock(it.currentBlock()));
                }
                row.append(std::move(cell));
            }
            result.rows.append(std::move(row));
        }
        return result;
    }

    Paragraph scanBlock(const QTextBlock &block) const
    {
        Paragraph paragraph{paragraphFormat(block.blockFormat()), {}, runFormat(block.charFormat(), m_defaultFont)};
        if (const QTextList *list = block.textList()) {
            // The marker as text, hanging in the indent: every reader shows it.
            const int level = std::max(1, list->format().indent());
            paragraph.format.leftIndent += level * kListIndent;
            paragraph.format.firstIndent = -kListIndent;
            paragraph.format.tabStop = paragraph.format.leftIndent;
            RunFormat marker = runFormat(block.charFormat(), m_defaultFont);
            if (auto it = block.begin(); !it.atEnd())
                marker = runFormat(it.fragment().charFormat(), m_defaultFont);
            marker.bold = marker.italic = marker.underline = marker.strike = false;
            paragraph.runs.append({marker, listMarker(block, *list)});
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            RunFormat format = runFormat(fragment.charFormat(), m_defaultFont);
            if (!paragraph.runs.isEmpty() && paragraph.runs.last().format == format)
                paragraph.runs.last().text += fragment.text();
            else
                paragraph.runs.append({std::move(format), fragment.text()});
        }
        return paragraph;
    }

    // Hashed, so a document with very many fonts or colours stays linear.
    void addFont(const QString &family)
    {
        if (!m_fontIndex.contains(family)) {
            m_fontIndex.insert(family, static_cast<int>(m_fonts.size()));
            m_fonts.append(family);
        }
    }
    void addColor(const QColor &color)
    {
        if (color.isValid() && !m_colorIndex.contains(color.rgba())) {
            m_colorIndex.insert(color.rgba(), static_cast<int>(m_colors.size()));
            m_colors.append(color);
        }
    }

    QFont m_defaultFont;
    QList<Item> m_items;
    RunFormat m_emptyFormat;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QColor> m_colors;
    QHash<QRgb, int> m_colorIndex;
};

// Emits the scanned document, writing only the formatting that changes.
class DocumentEmitter
{
public:
    explicit DocumentEmitter(const DocumentScan &scan)
        : m_scan(scan)
    {
    }

    QByteArray compose()
    {
        const bool simple = m_scan.isSimple();
        writeHeader(simple);
        if (simple) {
            const Paragraph &paragraph = std::get<Paragraph>(m_scan.items().first());
            m_out.control("\\pard");
            writeFormat(m_scan.leadingFormat());
            for (const Run &run : paragraph.runs)
                m_out.text(run.text);
            m_out.raw("\r\n\\par }");
            return m_out.takeBytes();
        }
        for (const Item &item : m_scan.items()) {
            if (const auto *paragraph = std::get_if<Paragraph>(&item)) {
                writeParagraph(*paragraph, false);
                m_out.control("\\par");
                m_out.raw("\r\n");
            } else {
                writeTable(std::get<Table>(item));
            }
        }
        m_out.raw("}");
        return m_out.takeBytes();
    }

private:
    void writeHeader(bool simple)
    {
        m_out.raw(simple ? "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl"
                         : "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl");
        const QStringList &fonts = m_scan.fonts();
        for (int i = 0; i < fonts.size(); ++i) {
            m_out.raw("{");
            m_out.control("\\f", i);
            m_out.control(familyClass(fonts.at(i)));
            if (!simple)
                m_out.control("\\fcharset0");
            m_out.fontName(fonts.at(i));
            m_out.raw(";}");
        }
        m_out.raw("}\r\n");
        if (!m_scan.colors().isEmpty()) {
            m_out.raw("{\\colortbl ;");
            for (const QColor &color : m_scan.colors()) {
                m_out.control("\\red", color.red());
                m_out.control("\\green", color.green());
                m_out.control("\\blue", color.blue());
                m_out.raw(";");
            }
            m_out.raw("}\r\n");
        }
        m_out.control("\\viewkind4");
        m_out.control("\\uc1");
    }

    void writeParagraph(const Paragraph &paragraph, bool inTable)
    {
        writeParagraphFormat(paragraph.format, inTable);
        // Every paragraph states its character format in full: readers that
        // take each paragraph on its own (unrtf) then keep it too.
        m_out.control("\\plain");
        m_current = RunFormat{};
        m_started = false;
        if (paragraph.runs.isEmpty())
            writeFormat(paragraph.mark); // an empty line keeps its size
        for (const Run &run : paragraph.runs) {
            writeFormat(run.format);
            m_out.text(run.text);
        }
    }

    // Each row carries its cell edges and thin borders; a cell's paragraphs
    // are separated by \par and its last one closed by \cell.
    void writeTable(const Table &table)
    {
        for (const auto &row : table.rows) {
            m_out.control("\\trowd");
            m_out.control("\\trgaph", 108);
            m_out.control("\\trleft", 0);
            for (const int right : table.cellRights) {
                for (const char *side : {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"}) {
                    m_out.control(side);
                    m_out.control("\\brdrs");
                    m_out.control("\\brdrw", 10);
                }
                m_out.control("\\cellx", right);
            }
            m_out.raw("\r\n");
            for (const auto &cell : row) {
                for (qsizetype i = 0; i < cell.size(); ++i) {
                    writeParagraph(cell.at(i), true);
                    if (i + 1 < cell.size())
                        m_out.control("\\par");
                }
                // Readers take "\par\cell" as the end of the cell's last
                // paragraph; an empty last paragraph needs a \par of its own.
                if (cell.size() > 1 && cell.last().runs.isEmpty())
                    m_out.control("\\par");
                if (cell.isEmpty())
                    writeParagraphFormat({}, true);
                m_out.control("\\cell");
                m_out.raw("\r\n");
            }
            m_out.control("\\row");
            m_out.raw("\r\n");
        }
    }

    void writeParagraphFormat(const ParagraphFormat &format, bool inTable)
    {
        m_out.control("\\pard");
        if (inTable)
            m_out.control("\\intbl");
        if (format.alignment)
            m_out.control(format.alignment);
        const std::pair<const char *, int> distances[] = {
            {"\\li", format.leftIndent},  {"\\ri", format.rightIndent}, {"\\fi", format.firstIndent},
            {"\\sb", format.spaceBefore}, {"\\sa", format.spaceAfter},
        };
        for (const auto &[word, twips] : distances) {
            if (twips != 0)
                m_out.control(word, twips);
        }
        if (format.tabStop > 0)
            m_out.control("\\tx", format.tabStop);
    }

    void writeFormat(const RunFormat &format)
    {
        const int font = m_scan.fontIndex(format.family);
        if (!m_started || font != m_font)
            m_out.control("\\f", font);
        if (!m_started || format.halfPoints != m_current.halfPoints)
            m_out.control("\\fs", format.halfPoints);
        toggle(format.bold, m_current.bold, "\\b", "\\b0");
        toggle(format.italic, m_current.italic, "\\i", "\\i0");
        toggle(format.underline, m_current.underline, "\\ul", "\\ulnone");
        toggle(format.strike, m_current.strike, "\\strike", "\\strike0");
        if (format.foreground != m_current.foreground)
            m_out.control("\\cf", m_scan.colorIndex(format.foreground));
        if (format.background != m_current.background)
            m_out.control("\\highlight", m_scan.colorIndex(format.background));
        if (format.vertical != m_current.vertical)
            m_out.control(format.vertical == 1 ? "\\super" : format.vertical == 2 ? "\\sub" : "\\nosupersub");
        m_current = format;
        m_font = font;
        m_started = true;
    }

    void toggle(bool wanted, bool current, const char *on, const char *off)
    {
        if (wanted != current)
            m_out.control(wanted ? on : off);
    }

    const DocumentScan &m_scan;
    rtf::Output m_out;
    RunFormat m_current; // RTF's plain state; font and size are always written first
    int m_font = 0;
    bool m_started = false;
};

} // namespace

QByteArray RtfWriter::write(const QTextDocument &doc)
{
    const DocumentScan scan(doc);
    return DocumentEmitter(scan).compose();
}

} // namespace halvora
