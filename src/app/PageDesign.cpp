#include "PageDesign.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace halvora {

namespace {

const QString designFolder = QStringLiteral(":/pages");

std::optional<PageDesign::LoadVariant> variantFromName(const QString &name)
{
    using V = PageDesign::LoadVariant;
    static const QHash<QString, V> names = {
        {QStringLiteral("standard"), V::Standard},
        {QStringLiteral("workingFolder"), V::WithWorkingFolder},
        {QStringLiteral("section"), V::Section},
        {QStringLiteral("screenModeOnly"), V::ScreenModeOnly},
        {QStringLiteral("placementOnly"), V::PlacementOnly},
        {QStringLiteral("design"), V::DesignState},
        {QStringLiteral("designWorkingFolder"), V::DesignWorkingFolder},
    };
    const auto it = names.constFind(name);
    if (it == names.cend())
        return std::nullopt;
    return *it;
}

QSize sizeFromJson(const QJsonValue &value, QSize fallback)
{
    const QJsonArray a = value.toArray();
    return a.size() == 2 ? QSize(a[0].toInt(), a[1].toInt()) : fallback;
}

} // namespace

QColor colourFromJson(const QJsonValue &value, const QColor &fallback)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 3)
        return fallback;
    return QColor(a[0].toInt(), a[1].toInt(), a[2].toInt());
}

std::optional<PageDesign> PageDesign::load(const QString &pageId, QString *error)
{
    QFile file(designFolder + QLatin1Char('/') + pageId + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("no design for %1").arg(pageId);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(pageId, parseError.errorString());
        return std::nullopt;
    }
    auto design = fromJson(doc.object(), error);
    if (design && design->id() != pageId) {
        if (error)
            *error = QStringLiteral("%1: the design names itself %2").arg(pageId, design->id());
        return std::nullopt;
    }
    return design;
}

std::optional<PageDesign> PageDesign::fromJson(const QJsonObject &json, QString *error)
{
    auto fail = [&](const QString &why) -> std::optional<PageDesign> {
        if (error)
            *error = QStringLiteral("%1: %2").arg(json.value(QLatin1String("id")).toString(), why);
        return std::nullopt;
    };
    PageDesign d;
    d.m_json = json;
    d.m_id = json.value(QLatin1String("id")).toString();
    if (d.m_id.isEmpty())
        return fail(QStringLiteral("the design has no id"));
    d.m_caption = json.value(QLatin1String("caption")).toString();

    const QString load = json.value(QLatin1String("load")).toString(QStringLiteral("standard"));
    const auto variant = variantFromName(load);
    if (!variant)
        return fail(QStringLiteral("unknown load step \"%1\"").arg(load));
    d.m_load = *variant;
    d.m_client = sizeFromJson(json.value(QLatin1String("client")), d.m_client);
    d.m_maximized = json.value(QLatin1String("state")).toString(QStringLiteral("maximized")) == QLatin1String("maximized");
    d.m_centred = json.value(QLatin1String("position")).toString() == QLatin1String("center");
    const QJsonArray pos = json.value(QLatin1String("position")).toArray();
    if (pos.size() == 2)
        d.m_position = QPoint(pos[0].toInt(), pos[1].toInt());
    d.m_fixed = json.value(QLatin1String("fixed")).toBool(false);
    d.m_maximizeButton = !d.m_fixed && json.value(QLatin1String("maximizeButton")).toBool(true);
    d.m_scales = json.value(QLatin1String("scaling")).toBool(true);
    d.m_background = colourFromJson(json.value(QLatin1String("background")), QColor(Qt::white));
    d.m_contentFrameDelay = json.value(QLatin1String("contentFrame")).toInt(0);
    const QString escape = json.value(QLatin1String("escape")).toString();
    if (escape == QLatin1String("close"))
        d.m_escape = Escape::Close;
    else if (escape == QLatin1String("end"))
        d.m_escape = Escape::CloseAndEnd;
    else if (!escape.isEmpty())
        return fail(QStringLiteral("unknown escape action \"%1\"").arg(escape));
    return d;
}

QStringList PageDesign::availableIds()
{
    QStringList ids;
    const auto entries = QDir(designFolder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString &name : entries)
        ids.append(name.chopped(5));
    return ids;
}

bool PageDesign::placesTopLeft() const
{
    switch (m_load) {
    case LoadVariant::Standard:
    case LoadVariant::WithWorkingFolder:
    case LoadVariant::Section:
    case LoadVariant::PlacementOnly:
        return true;
    default:
        return false;
    }
}

bool PageDesign::setsWorkingFolder() const
{
    return m_load == LoadVariant::WithWorkingFolder || m_load == LoadVariant::Section
        || m_load == LoadVariant::DesignWorkingFolder;
}

bool PageDesign::appliesScreenMode() const
{
    switch (m_load) {
    case LoadVariant::Standard:
    case LoadVariant::WithWorkingFolder:
    case LoadVariant::Section:
    case LoadVariant::ScreenModeOnly:
        return true;
    default:
        return false;
    }
}

} // namespace halvora
