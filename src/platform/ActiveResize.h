#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVector>

#include <functional>

class QWidget;

namespace halvora {

// Proportional rescaling of a window's controls. Each tracked control keeps its
// design geometry and font size; whenever the window's client area changes, the
// controls are set in proportion to current size / design size, fonts by the
// smaller of the two factors. One rescaled() follows each rescale.
class ActiveResize : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActiveResize)
public:
    ActiveResize(QWidget *window, QSize designClient);

    // Remembers the control's current geometry and font as its design values.
    // A control that keeps its shape (a picture, a diagram) grows by the
    // smaller factor, as fonts do, centred where it would stand otherwise.
    void track(QWidget *control, bool keepsShape = false);

    // How tall a block of flowing text is at a width, in pixels, with its
    // current font; empty for blocks that keep their shape (pictures, rules).
    using HeightForWidth = std::function<int(const QWidget *, int)>;
    struct FlowBlock {
        QWidget *widget = nullptr;
        HeightForWidth height;
    };
    // Tracked controls that stand one under another as a column of text. The
    // column keeps its design measure scaled as the fonts are, centred where
    // the proportional column would be, so lines stay readable on a wide
    // window; each block takes the height its text needs and the blocks keep
    // their design gaps, scaled as the fonts, so no gap grows when text
    // re-wraps into fewer lines; pictures keep their aspect ratio.
    void trackFlow(const QRect &designColumn, const QList<FlowBlock> &blocks);
    void rescale();

    QSize designClient() const { return m_designClient; }
    double widthFactor() const { return m_fx; }
    double heightFactor() const { return m_fy; }

signals:
    void rescaled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Item {
        QPointer<QWidget> widget;
        QRect geometry;
        int fontPixels = 0;
        bool keepsShape = false;
    };
    QWidget *m_window = nullptr;
    QSize m_designClient;
    struct Flow {
        QRect column;
        QList<FlowBlock> blocks;
        QVector<QPointer<QWidget>> widgets; // a block may go before the window does
        QVector<QRect> geometries;
    };
    void placeFlow(const Flow &flow, double ff);

    QVector<Item> m_items;
    QVector<Flow> m_flows;
    double m_fx = 1.0;
    double m_fy = 1.0;
};

} // namespace halvora
