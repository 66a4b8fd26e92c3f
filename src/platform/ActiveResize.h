#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVector>

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
    void track(QWidget *control);
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
    };
    QWidget *m_window = nullptr;
    QSize m_designClient;
    QVector<Item> m_items;
    double m_fx = 1.0;
    double m_fy = 1.0;
};

} // namespace halvora
