#include "Banner.h"

#include "ActiveResize.h"
#include "Twips.h"

#include <QLabel>
#include <QTimer>

namespace halvora::documents {

Banner::Banner(QWidget *strip, QLabel *text, QWidget *page, ActiveResize *scaling)
    : QObject(page)
    , m_strip(strip)
    , m_text(text)
    , m_timer(new QTimer(page))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(intervalMs);
    connect(m_timer, &QTimer::timeout, this, &Banner::tick);
    // Rescaling puts every control back to its design place; the banner
    // keeps where it had got to.
    if (scaling)
        connect(scaling, &ActiveResize::rescaled, this, &Banner::restorePosition);
}

void Banner::start()
{
    if (!m_strip || !m_text)
        return;
    m_left = m_strip->width() - twips::toPixels(reentryTwips);
    m_text->move(m_left, m_text->y());
    m_text->show();
    m_started = true;
    m_timer->start();
}

void Banner::tick()
{
    if (!m_strip || !m_text)
        return;
    int left = m_text->x() - twips::toPixels(stepTwips);
    if (left + m_text->width() < 0) // the whole text has left the strip
        left = m_strip->width() - twips::toPixels(reentryTwips);
    m_text->move(left, m_text->y());
    m_left = left;
    m_moved = true;
}

void Banner::restorePosition()
{
    if (!m_started || !m_text || !m_strip)
        return;
    // Until the first step the text waits just inside the right edge, also
    // when the page then opens maximized.
    if (!m_moved)
        m_left = m_strip->width() - twips::toPixels(reentryTwips);
    m_text->move(m_left, m_text->y());
}

} // namespace halvora::documents
