#include "Encyclopedia.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace halvora::encyclopedias {

namespace {

const QString folder = QStringLiteral(":/encyclopedias");
const QString crLf = QStringLiteral("\r\n");

std::optional<ArticleBlock::Separator> separatorFromJson(const QJsonValue &value)
{
    using S = ArticleBlock::Separator;
    const QString name = value.toString(QStringLiteral("none"));
    if (name == QLatin1String("none"))
        return S::None;
    if (name == QLatin1String("line"))
        return S::LineBreak;
    if (name == QLatin1String("blank"))
        return S::BlankLine;
    if (name == QLatin1String("joined"))
        return S::Joined;
    return std::nullopt;
}

QString separatorText(ArticleBlock::Separator separator)
{
    switch (separator) {
    case ArticleBlock::Separator::LineBreak:
        return crLf;
    case ArticleBlock::Separator::BlankLine:
        return crLf + crLf;
    case ArticleBlock::Separator::None:
    case ArticleBlock::Separator::Joined:
        break;
    }
    return {};
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool readTopic(const QJsonObject &json, TopicArticle &topic, QString *error)
{
    topic.button = json.value(QLatin1String("button")).toString();
    topic.caption = json.value(QLatin1String("caption")).toString();
    topic.title = json.value(QLatin1String("title")).toString();
    if (topic.button.isEmpty() || topic.caption.isEmpty() || topic.title.isEmpty())
        return fail(error, QStringLiteral("a topic needs a button, a caption and a title"));
    const auto trailing = separatorFromJson(json.value(QLatin1String("trailing")));
    if (!trailing)
        return fail(error, QStringLiteral("%1: unknown trailing separator").arg(topic.button));
    topic.trailing = *trailing;
    const QJsonArray blocks = json.value(QLatin1String("blocks")).toArray();
    for (const QJsonValue &value : blocks) {
        const QJsonObject b = value.toObject();
        const auto separator = separatorFromJson(b.value(QLatin1String("sep")));
        if (!separator)
            return fail(error, QStringLiteral("%1: unknown separator").arg(topic.button));
        // A block is either a fixed heading or a paragraph of content; both are one line.
        const QString text = b.contains(QLatin1String("heading")) ? b.value(QLatin1String("heading")).toString()
                                                                   : b.value(QLatin1String("text")).toString();
        if (text.isEmpty() || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
            return fail(error, QStringLiteral("%1: a block must be one non-empty line").arg(topic.button));
        topic.blocks.append({*separator, text});
    }
    if (topic.blocks.isEmpty())
        return fail(error, QStringLiteral("%1: an article needs a block").arg(topic.button));
    return true;
}

} // namespace

QStringList Encyclopedia::resources()
{
    QStringList files;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        files.append(folder + QLatin1Char('/') + name);
    return files;
}

std::optional<Encyclopedia> Encyclopedia::load(const QString &resource, QString *error)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, QStringLiteral("%1 cannot be read").arg(resource));
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        fail(error, QStringLiteral("%1: %2").arg(resource, parseError.errorString()));
        return std::nullopt;
    }
    Encyclopedia e;
    e.m_pageId = json.value(QLatin1String("page")).toString();
    e.m_box = json.value(QLatin1String("box")).toString();
    for (const QJsonValue &label : json.value(QLatin1String("titleLabels")).toArray())
        e.m_titleLabels.append(label.toString());
    e.m_shownAtLoad = json.value(QLatin1String("shownAtLoad")).toString();
    e.m_boxTabAfter = json.value(QLatin1String("boxTabAfter")).toString();
    e.m_grid = json.value(QLatin1String("grid")).toObject();
    e.m_button = json.value(QLatin1String("button")).toObject();
    if (e.m_pageId.isEmpty() || e.m_box.isEmpty() || e.m_grid.value(QLatin1String("columns")).toInt() < 1) {
        fail(error, QStringLiteral("%1: page, box and grid are needed").arg(resource));
        return std::nullopt;
    }
    for (const QJsonValue &value : json.value(QLatin1String("topics")).toArray()) {
        TopicArticle topic;
        QString why;
        if (!readTopic(value.toObject(), topic, &why)) {
            fail(error, QStringLiteral("%1: %2").arg(resource, why));
            return std::nullopt;
        }
        e.m_topics.append(topic);
    }
    for (const QString &wanted : {e.m_shownAtLoad, e.m_boxTabAfter}) {
        if (!wanted.isEmpty() && !e.topic(wanted)) {
            fail(error, QStringLiteral("%1: no topic %2").arg(resource, wanted));
            return std::nullopt;
        }
    }
    return e;
}

const TopicArticle *Encyclopedia::topic(const QString &button) const
{
    for (const TopicArticle &t : m_topics) {
        if (t.button == button)
            return &t;
    }
    return nullptr;
}

QJsonObject Encyclopedia::buttonDesign(int index) const
{
    const int columns = m_grid.value(QLatin1String("columns")).toInt();
    const int column = index % columns;
    const int row = index / columns;
    auto at = [this](const char *key) { return m_grid.value(QLatin1String(key)).toInt(); };
    QJsonObject design = m_button;
    design.insert(QStringLiteral("type"), QStringLiteral("button"));
    design.insert(QStringLiteral("name"), m_topics.at(index).button);
    design.insert(QStringLiteral("text"), m_topics.at(index).caption);
    design.insert(QStringLiteral("rect"), QJsonArray{at("left") + column * at("columnStep"), at("top") + row * at("rowStep"),
                                                     at("width"), at("height")});
    return design;
}

QString Encyclopedia::compose(const TopicArticle &topic) const
{
    QString text = m_titleLabels.isEmpty() ? topic.title : crLf;
    for (const ArticleBlock &block : topic.blocks)
        text += separatorText(block.separator) + block.text;
    return text + separatorText(topic.trailing);
}

} // namespace halvora::encyclopedias
