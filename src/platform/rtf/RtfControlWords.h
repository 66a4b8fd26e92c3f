#pragma once

#include <cstdint>
#include <string_view>

namespace halvora::rtf {

// The control words the reader acts on; every other word is ignored.
enum class Word : std::uint8_t {
    Unknown,
    // destinations
    FontTable, ColorTable, SkipDestination, TextDestination, ListText, Field,
    UnicodePair, UnicodeVersion,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, Charset, CodePage,
    Red, Green, Blue, UnicodeSkip, Unicode, Binary,
    // characters
    Plain, Font, FontSize, Bold, Italic, Underline, UnderlineNone, Strike,
    Hidden, Foreground, Background, Superscript, Subscript, NoSuperSub,
    // paragraphs
    ParagraphDefault, AlignLeft, AlignCenter, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter,
    Paragraph, SoftBreak, Line, Tab, Cell, NestedCell, Row, InTable,
    // special characters
    EmDash, EnDash, LeftQuote, RightQuote, LeftDoubleQuote, RightDoubleQuote,
    Bullet, EmSpace, EnSpace, QuarterEmSpace, ZeroWidthJoiner,
    ZeroWidthNonJoiner, LeftToRightMark, RightToLeftMark,
};

Word lookupWord(std::string_view name);

} // namespace halvora::rtf
