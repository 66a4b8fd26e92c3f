#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QWidget>

class QSvgRenderer;

namespace halvora {

// A label that acts as a link: it reports a click and may show a hand pointer.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A rectangle or rounded box outline, drawn behind the controls it frames.
class ShapeWidget : public QWidget
{
    Q_OBJECT
public:
    ShapeWidget(QColor border, int borderPixels, QColor fill, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_border;
    int m_borderPixels = 1;
    QColor m_fill;
};

// A straight rule. Its box is the line's bounding box; the line runs along it.
class LineWidget : public QWidget
{
    Q_OBJECT
public:
    enum class Direction { Horizontal, Vertical, Falling, Rising };
    LineWidget(Direction direction, QColor colour, int widthPixels, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Direction m_direction;
    QColor m_colour;
    int m_widthPixels = 1;
};

// One of the book's own SVG illustrations, stretched to its box.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(const QString &resource, bool border, QWidget *parent);
    bool isValid() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *m_renderer = nullptr;
    bool m_border = false;
};

} // namespace halvora
