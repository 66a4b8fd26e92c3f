#include "RtfControlWords.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace halvora::rtf {

namespace {

using Entry = std::pair<std::string_view, Word>;

// Sorted by name (checked below) so the table stays easy to read and extend.
constexpr auto kWords = std::to_array<Entry>({
    {"aftncn", Word::SkipDestination},
    {"aftnsep", Word::SkipDestination},
    {"aftnsepc", Word::SkipDestination},
    {"annotation", Word::SkipDestination},
    {"ansi", Word::Ansi},
    {"ansicpg", Word::AnsiCodePage},
    {"atnauthor", Word::SkipDestination},
    {"atnid", Word::SkipDestination},
    {"b", Word::Bold},
    {"bin", Word::Binary},
    {"bkmkend", Word::SkipDestination},
    {"bkmkstart", Word::SkipDestination},
    {"blue", Word::Blue},
    {"bullet", Word::Bullet},
    {"cb", Word::Background},
    {"cell", Word::Cell},
    {"cf", Word::Foreground},
    {"chcbpat", Word::Background},
    {"colorschememapping", Word::SkipDestination},
    {"colortbl", Word::ColorTable},
    {"cpg", Word::CodePage},
    {"datafield", Word::SkipDestination},
    {"datastore", Word::SkipDestination},
    {"deff", Word::DefaultFont},
    {"docvar", Word::SkipDestination},
    {"emdash", Word::EmDash},
    {"emspace", Word::EmSpace},
    {"endash", Word::EnDash},
    {"enspace", Word::EnSpace},
    {"f", Word::Font},
    {"fcharset", Word::Charset},
    {"fi", Word::FirstIndent},
    {"field", Word::Field},
    {"filetbl", Word::SkipDestination},
    {"fldinst", Word::SkipDestination},
    {"fldrslt", Word::TextDestination},
    {"fonttbl", Word::FontTable},
    {"footer", Word::SkipDestination},
    {"footerf", Word::SkipDestination},
    {"footerl", Word::SkipDestination},
    {"footerr", Word::SkipDestination},
    {"footnote", Word::SkipDestination},
    {"formfield", Word::SkipDestination},
    {"fs", Word::FontSize},
    {"ftncn", Word::SkipDestination},
    {"ftnsep", Word::SkipDestination},
    {"ftnsepc", Word::SkipDestination},
    {"generator", Word::SkipDestination},
    {"green", Word::Green},
    {"header", Word::SkipDestination},
    {"headerf", Word::SkipDestination},
    {"headerl", Word::SkipDestination},
    {"headerr", Word::SkipDestination},
    {"highlight", Word::Background},
    {"i", Word::Italic},
    {"info", Word::SkipDestination},
    {"intbl", Word::InTable},
    {"latentstyles", Word::SkipDestination},
    {"ldblquote", Word::LeftDoubleQuote},
    {"li", Word::LeftIndent},
    {"line", Word::Line},
    {"listoverridetable", Word::SkipDestination},
    {"listtable", Word::SkipDestination},
    {"listtext", Word::ListText},
    {"lquote", Word::LeftQuote},
    {"ltrmark", Word::LeftToRightMark},
    {"mac", Word::Mac},
    {"mmathPr", Word::SkipDestination},
    {"nestcell", Word::NestedCell},
    {"nestrow", Word::SoftBreak},
    {"nonesttables", Word::SkipDestination},
    {"nonshppict", Word::SkipDestination},
    {"nosupersub", Word::NoSuperSub},
    {"objdata", Word::SkipDestination},
    {"page", Word::SoftBreak},
    {"par", Word::Paragraph},
    {"pard", Word::ParagraphDefault},
    {"pc", Word::Pc},
    {"pca", Word::Pca},
    {"pgdsctbl", Word::SkipDestination},
    {"pict", Word::SkipDestination},
    {"plain", Word::Plain},
    {"pn", Word::SkipDestination},
    {"pntext", Word::ListText},
    {"private", Word::SkipDestination},
    {"qc", Word::AlignCenter},
    {"qj", Word::AlignJustify},
    {"ql", Word::AlignLeft},
    {"qmspace", Word::QuarterEmSpace},
    {"qr", Word::AlignRight},
    {"rdblquote", Word::RightDoubleQuote},
    {"red", Word::Red},
    {"revtbl", Word::SkipDestination},
    {"ri", Word::RightIndent},
    {"row", Word::Row},
    {"rquote", Word::RightQuote},
    {"rsidtbl", Word::SkipDestination},
    {"rtf", Word::Rtf},
    {"rtlmark", Word::RightToLeftMark},
    {"sa", Word::SpaceAfter},
    {"sb", Word::SpaceBefore},
    {"sect", Word::SoftBreak},
    {"shp", Word::SkipDestination},
    {"strike", Word::Strike},
    {"striked", Word::Strike},
    {"stylesheet", Word::SkipDestination},
    {"sub", Word::Subscript},
    {"super", Word::Superscript},
    {"tab", Word::Tab},
    {"tc", Word::SkipDestination},
    {"template", Word::SkipDestination},
    {"themedata", Word::SkipDestination},
    {"txe", Word::SkipDestination},
    {"u", Word::Unicode},
    {"uc", Word::UnicodeSkip},
    {"ud", Word::UnicodeVersion},
    {"ul", Word::Underline},
    {"uld", Word::Underline},
    {"uldash", Word::Underline},
    {"uldashd", Word::Underline},
    {"uldashdd", Word::Underline},
    {"uldb", Word::Underline},
    {"ulhwave", Word::Underline},
    {"ulldash", Word::Underline},
    {"ulnone", Word::UnderlineNone},
    {"ulth", Word::Underline},
    {"ulthd", Word::Underline},
    {"ulthdash", Word::Underline},
    {"ulthdashd", Word::Underline},
    {"ulthdashdd", Word::Underline},
    {"ulthldash", Word::Underline},
    {"ululdbwave", Word::Underline},
    {"ulw", Word::Underline},
    {"ulwave", Word::Underline},
    {"upr", Word::UnicodePair},
    {"userprops", Word::SkipDestination},
    {"v", Word::Hidden},
    {"xe", Word::SkipDestination},
    {"xmlnstbl", Word::SkipDestination},
    {"zwj", Word::ZeroWidthJoiner},
    {"zwnj", Word::ZeroWidthNonJoiner},
});

static_assert(std::ranges::is_sorted(kWords, {}, &Entry::first));

// Open-addressing hash table over kWords, built at compile time: a lookup
// is one hash and usually one comparison.
constexpr std::size_t kSlots = 512;

constexpr std::size_t hashOf(std::string_view name)
{
    std::uint32_t h = 2166136261u; // FNV-1a
    for (const char c : name)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h & (kSlots - 1);
}

constexpr auto kSlotTable = [] {
    static_assert(kWords.size() < kSlots / 2);
    std::array<std::uint16_t, kSlots> slots{}; // index + 1 into kWords, 0 = empty
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        std::size_t slot = hashOf(kWords[i].first);
        while (slots[slot] != 0)
            slot = (slot + 1) & (kSlots - 1);
        slots[slot] = static_cast<std::uint16_t>(i + 1);
    }
    return slots;
}();

} // namespace

Word lookupWord(std::string_view name)
{
    for (std::size_t slot = hashOf(name);; slot = (slot + 1) & (kSlots - 1)) {
        const std::uint16_t entry = kSlotTable[slot];
        if (entry == 0)
            return Word::Unknown;
        if (kWords[entry - 1].first == name)
            return kWords[entry - 1].second;
    }
}

} // namespace halvora::rtf
