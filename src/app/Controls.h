#pragma once

#include <QColor>
#include <QLabel>
#include <QPlainTextEdit>
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

// A multi-line text box. Its text property carries the line ends of the
// program's own texts and files (CR LF); assigning it replaces the whole text
// in one step and shows it from the first line with no selection.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    // The most a paste adds: many times the longest article, and far below
    // what makes the text layout stall (a megabyte on one line takes minutes).
    static constexpr qsizetype largestPaste = 64 * 1024;

    using QPlainTextEdit::QPlainTextEdit;

    QString text() const;
    void setText(const QString &text);

protected:
    void insertFromMimeData(const QMimeData *source) override;
};

// Keeps a control filling its window's client area as the window is resized,
// for the few windows that do not rescale (a document in a plain window).
class FillsWindow : public QObject
{
    Q_OBJECT
public:
    FillsWindow(QWidget *control, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_control;
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
