#pragma once

#include <QWidget>

namespace halvora::ph {

// The pH scale of the scale page: the marks from 14 down to 0, the bands
// where blood pH is not compatible with life, the three blood ranges around
// 7.4, and everyday substances joined to their place on the scale. Drawn at
// its design size and scaled with the window.
class PhScaleDiagram : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PhScaleDiagram)
public:
    explicit PhScaleDiagram(QWidget *parent = nullptr);

    static QSize designSize() { return {780, 504}; }
    // Where a pH value sits, from the top of the panel, in design pixels.
    static double heightOf(double ph);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace halvora::ph
