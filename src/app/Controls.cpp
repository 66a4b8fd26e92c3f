#include "Controls.h"

#include <QEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace halvora {

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ShapeWidget::ShapeWidget(QColor border, int borderPixels, QColor fill, QWidget *parent)
    : QWidget(parent)
    , m_border(border)
    , m_borderPixels(qMax(1, borderPixels))
    , m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal half = m_borderPixels / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    if (m_fill.isValid())
        p.fillRect(rect(), m_fill);
    p.setPen(QPen(m_border, m_borderPixels));
    p.drawRect(box);
}

LineWidget::LineWidget(Direction direction, QColor colour, int widthPixels, QWidget *parent)
    : QWidget(parent)
    , m_direction(direction)
    , m_colour(colour)
    , m_widthPixels(qMax(1, widthPixels))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(m_colour, m_widthPixels, Qt::SolidLine, Qt::FlatCap));
    const QRectF r = QRectF(rect());
    const qreal mid = m_widthPixels / 2.0;
    switch (m_direction) {
    case Direction::Horizontal:
        p.drawLine(QPointF(r.left(), mid), QPointF(r.right() + 1, mid));
        break;
    case Direction::Vertical:
        p.drawLine(QPointF(mid, r.top()), QPointF(mid, r.bottom() + 1));
        break;
    case Direction::Falling:
        p.drawLine(r.topLeft(), r.bottomRight());
        break;
    case Direction::Rising:
        p.drawLine(r.bottomLeft(), r.topRight());
        break;
    }
}

PictureBox::PictureBox(const QString &resource, bool border, QWidget *parent)
    : QWidget(parent)
    , m_renderer(new QSvgRenderer(resource, this))
    , m_border(border)
{
    // The box keeps the picture's shape (the scaling grows it by one factor),
    // so the drawing fills the box as designed.
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
}

bool PictureBox::isValid() const
{
    return m_renderer->isValid();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&p, QRectF(rect()));
    if (m_border) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

FillsWindow::FillsWindow(QWidget *control, QWidget *window)
    : QObject(control)
    , m_control(control)
{
    window->installEventFilter(this);
}

bool FillsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && m_control)
        m_control->setGeometry(static_cast<QWidget *>(watched)->rect());
    return QObject::eventFilter(watched, event);
}

QString TextBox::text() const
{
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TextBox::setText(const QString &text)
{
    // The widget keeps Qt's line ends; a CR left in would show and double up.
    setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    moveCursor(QTextCursor::Start);
}

void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText() || source->text().size() <= largestPaste) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    insertPlainText(source->text().left(largestPaste));
}

} // namespace halvora
