#include "ActiveResize.h"

#include <QEvent>
#include <QWidget>

namespace halvora {

ActiveResize::ActiveResize(QWidget *window, QSize designClient)
    : QObject(window)
    , m_window(window)
    , m_designClient(designClient)
{
    window->installEventFilter(this);
}

void ActiveResize::track(QWidget *control, bool keepsShape)
{
    m_items.push_back({control, control->geometry(), control->font().pixelSize(), keepsShape});
}

void ActiveResize::trackFlow(const QRect &designColumn, const QList<FlowBlock> &blocks)
{
    Flow flow{designColumn, blocks, {}, {}};
    for (const FlowBlock &block : blocks) {
        flow.widgets.append(block.widget);
        flow.geometries.append(block.widget->geometry());
    }
    m_flows.append(flow);
}

void ActiveResize::placeFlow(const Flow &flow, double ff)
{
    const QRect &c = flow.column;
    const double width = c.width() * ff;
    const double left = c.left() * m_fx + (c.width() * m_fx - width) / 2;
    double y = c.top() * m_fy;
    int designBottom = c.top();
    for (qsizetype i = 0; i < flow.blocks.size(); ++i) {
        QWidget *w = flow.widgets.at(i);
        const QRect &g = flow.geometries.at(i);
        y += (g.top() - designBottom) * ff;
        designBottom = g.top() + g.height();
        if (!w)
            continue;
        const int x = qRound(left + (g.left() - c.left()) * ff);
        const int blockWidth = qMax(1, qRound(g.width() * ff));
        const HeightForWidth &height = flow.blocks.at(i).height;
        const int h = qMax(1, height ? height(w, blockWidth) : qRound(g.height() * ff));
        w->setGeometry(x, qRound(y), blockWidth, h);
        y += h;
    }
}

void ActiveResize::rescale()
{
    if (m_designClient.isEmpty())
        return;
    const QSize now = m_window->size();
    m_fx = double(now.width()) / m_designClient.width();
    m_fy = double(now.height()) / m_designClient.height();
    const double ff = qMin(m_fx, m_fy);
    for (const Item &item : std::as_const(m_items)) {
        if (!item.widget)
            continue;
        const QRect &g = item.geometry;
        const int l = qRound(g.left() * m_fx), t = qRound(g.top() * m_fy);
        const int r = qRound((g.left() + g.width()) * m_fx), b = qRound((g.top() + g.height()) * m_fy);
        if (item.keepsShape) {
            const int w = qMax(1, qRound(g.width() * ff)), h = qMax(1, qRound(g.height() * ff));
            item.widget->setGeometry((l + r - w) / 2, (t + b - h) / 2, w, h);
        } else {
            item.widget->setGeometry(l, t, qMax(1, r - l), qMax(1, b - t));
        }
        if (item.fontPixels > 0) {
            QFont f = item.widget->font();
            f.setPixelSize(qMax(1, qRound(item.fontPixels * ff)));
            item.widget->setFont(f);
        }
    }
    // Flows last: their blocks need their new fonts to know their heights.
    for (const Flow &flow : std::as_const(m_flows))
        placeFlow(flow, ff);
    emit rescaled();
}

bool ActiveResize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        rescale();
    return QObject::eventFilter(watched, event);
}

} // namespace halvora
