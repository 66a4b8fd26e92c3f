#pragma once

#include <QColor>
#include <QJsonArray>
#include <QJsonObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvora {

// A page window's design: what the builder needs to create the window, read
// from the JSON file of the same name compiled into the program.
class PageDesign
{
public:
    // Which of the common load steps a window runs when it opens.
    enum class LoadVariant {
        Standard,            // placement, screen mode
        WithWorkingFolder,   // placement, working folder, screen mode
        Section,             // placement, working folder, screen mode, main window's title
        ScreenModeOnly,      // screen mode; a normal window keeps its design position
        PlacementOnly,       // placement
        DesignState,         // none: design state and position whatever the setting says
        DesignWorkingFolder, // working folder only
    };
    enum class Escape { None, Close, CloseAndEnd };

    static std::optional<PageDesign> load(const QString &pageId, QString *error = nullptr);
    static std::optional<PageDesign> fromJson(const QJsonObject &json, QString *error = nullptr);
    // Page ids of every design compiled into the program.
    static QStringList availableIds();

    QString id() const { return m_id; }
    QString caption() const { return m_caption; }
    LoadVariant loadVariant() const { return m_load; }
    bool placesTopLeft() const;
    bool setsWorkingFolder() const;
    bool appliesScreenMode() const;
    bool takesMainTitle() const { return m_load == LoadVariant::Section; }

    QSize clientTwips() const { return m_client; }
    bool designMaximized() const { return m_maximized; }
    bool centred() const { return m_centred; }
    QPoint positionTwips() const { return m_position; }
    bool fixedSize() const { return m_fixed; }
    bool hasMaximizeButton() const { return m_maximizeButton; }
    bool scales() const { return m_scales; }
    QColor background() const { return m_background; }
    int contentFrameDelay() const { return m_contentFrameDelay; }
    Escape escape() const { return m_escape; }
    const QJsonObject &json() const { return m_json; }

private:
    QJsonObject m_json;
    QString m_id;
    QString m_caption;
    LoadVariant m_load = LoadVariant::Standard;
    QSize m_client{11880, 8010};
    bool m_maximized = true;
    bool m_centred = false;
    QPoint m_position;
    bool m_fixed = false;
    bool m_maximizeButton = true;
    bool m_scales = true;
    QColor m_background = Qt::white;
    int m_contentFrameDelay = 0;
    Escape m_escape = Escape::None;
};

// Reads a colour written as [red, green, blue].
QColor colourFromJson(const QJsonValue &value, const QColor &fallback);

} // namespace halvora
