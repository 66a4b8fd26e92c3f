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

void ActiveResize::track(QWidget *control)
{
    m_items.push_back({control, control->geometry(), control->font().pixelSize()});
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
        item.widget->setGeometry(l, t, qMax(1, r - l), qMax(1, b - t));
        if (item.fontPixels > 0) {
            QFont f = item.widget->font();
            f.setPixelSize(qMax(1, qRound(item.fontPixels * ff)));
            item.widget->setFont(f);
        }
    }
    emit rescaled();
}

bool ActiveResize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        rescale();
    return QObject::eventFilter(watched, event);
}

} // namespace halvora
