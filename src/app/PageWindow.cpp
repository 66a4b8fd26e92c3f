#include "PageWindow.h"

#include "ActiveResize.h"

#include <QCloseEvent>
#include <QFrame>
#include <QTimer>

namespace halvora {

PageWindow::PageWindow(PageDesign design)
    : QWidget(nullptr, Qt::Window)
    , m_design(std::move(design))
{
    setObjectName(m_design.id());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_design.caption());
}

QWidget *PageWindow::contentParent() const
{
    return m_contentFrame ? static_cast<QWidget *>(m_contentFrame) : const_cast<PageWindow *>(this);
}

void PageWindow::setScaling(ActiveResize *scaling)
{
    m_scaling = scaling;
    if (m_contentFrame && m_scaling)
        connect(m_scaling, &ActiveResize::rescaled, this, &PageWindow::hideContentWhileRescaling);
}

void PageWindow::setContentFrame(QFrame *frame)
{
    m_contentFrame = frame;
    m_debounce = new QTimer(this);
    m_debounce->setObjectName(QStringLiteral("Timer1"));
    m_debounce->setSingleShot(true);
    connect(m_debounce, &QTimer::timeout, m_contentFrame, &QWidget::show);
}

// Redrawing every control on each step of a drag is slow and flickers; the
// content stays hidden until the rescaling has been quiet for the delay.
void PageWindow::hideContentWhileRescaling()
{
    m_contentFrame->hide();
    m_debounce->start(m_design.contentFrameDelay());
}

void PageWindow::discard()
{
    m_discarded = true;
    hide();
    deleteLater();
}

void PageWindow::closeEvent(QCloseEvent *event)
{
    if (!m_discarded)
        emit closing();
    event->accept();
    emit closed(pageId());
}

} // namespace halvora
