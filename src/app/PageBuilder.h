#pragma once

#include "ActiveResize.h"

#include <QJsonObject>
#include <QRect>
#include <QStringList>

class QWidget;

namespace halvora {

class PageDesign;
class PageNavigator;
class PageWindow;

// Creates a window from its design, every time the page opens. Controls with
// a fixed place carry their rectangle in twips; flowing text is laid out top
// to bottom in its area with the design fonts, so authors write text, not
// coordinates. Text that does not fit is recorded as a diagnostic of the window.
class PageBuilder
{
public:
    explicit PageBuilder(PageNavigator &navigator);

    PageWindow *build(const PageDesign &design) const;
    // Adds one control, written as a design's controls are, to a built window:
    // for controls whose list comes from other data (an encyclopedia's topics).
    QWidget *addControl(PageWindow &window, const QJsonObject &control) const;

    // Every page id a design's controls lead to.
    static QStringList targets(const QJsonObject &designJson);

private:
    struct Context;
    void createControls(const QJsonArray &controls, QWidget *parent, Context &context) const;
    QWidget *createControl(const QJsonObject &c, QWidget *parent, Context &context) const;
    void layoutFlow(const QJsonObject &flow, QWidget *parent, Context &context) const;
    // The "At a glance" panel of a therapy page; returns its height in twips.
    int addEvidenceBox(const QJsonObject &evidence, const QRect &place, QWidget *parent, Context &context,
                       QList<ActiveResize::FlowBlock> &flow) const;
    void addNavigationRow(const QJsonArray &buttons, QWidget *parent, Context &context) const;
    void connectOperation(QWidget *control, const QJsonObject &c, Context &context) const;
    void checkTextFits(QWidget *control, Context &context) const;
    void checkTextKeepsClear(PageWindow &window) const;

    PageNavigator &m_navigator;
};

} // namespace halvora
