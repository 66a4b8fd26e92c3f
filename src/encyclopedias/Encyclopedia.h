#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvora::encyclopedias {

// One block of an article and the separator that stands before it.
struct ArticleBlock
{
    enum class Separator {
        None,      // nothing: the block continues the text as it stands
        LineBreak, // one line end
        BlankLine, // two line ends: an empty line between the blocks
        Joined,    // nothing: the block continues the previous line (it starts with its own blank)
    };
    Separator separator = Separator::None;
    QString text; // a paragraph or a fixed heading; never a line end of its own
};

// One topic: its button and the article the button shows.
struct TopicArticle
{
    QString button;
    QString caption;
    QString title;
    QList<ArticleBlock> blocks;
    ArticleBlock::Separator trailing = ArticleBlock::Separator::None;
};

// An encyclopedia page's topic table, read from the book's content: which
// page and box it fills, where its buttons stand and what each shows.
class Encyclopedia
{
public:
    // Every encyclopedia compiled into the program.
    static QStringList resources();
    static std::optional<Encyclopedia> load(const QString &resource, QString *error = nullptr);

    QString pageId() const { return m_pageId; }
    QString box() const { return m_box; }
    // Labels that show the title; empty when the title opens the article text.
    QStringList titleLabels() const { return m_titleLabels; }
    // The topic shown when the page opens, if any.
    QString shownAtLoad() const { return m_shownAtLoad; }
    // The button the box follows in the tab order; empty: the box is no tab stop.
    QString boxTabAfter() const { return m_boxTabAfter; }
    const QList<TopicArticle> &topics() const { return m_topics; }
    const TopicArticle *topic(const QString &button) const;

    // The design of a topic's button (as a page design writes its controls),
    // placed in the grid by its position in the table.
    QJsonObject buttonDesign(int index) const;

    // The article text exactly as the box receives it, lines ending in CR LF:
    // the title (or, where labels show it, one line end), then each block
    // behind its separator, then the trailing separator.
    QString compose(const TopicArticle &topic) const;

private:
    QString m_pageId;
    QString m_box;
    QStringList m_titleLabels;
    QString m_shownAtLoad;
    QString m_boxTabAfter;
    QJsonObject m_grid;
    QJsonObject m_button;
    QList<TopicArticle> m_topics;
};

} // namespace halvora::encyclopedias
