#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QTimer;
class QWidget;

namespace halvora {

class ActiveResize;

namespace documents {

// A line of text that scrolls from right to left across its strip: every
// tick moves it a step to the left, and once it has left the strip on the
// left it comes back just inside the strip's right edge. The timer is the
// page's own, so it stops when the page closes.
class Banner : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Banner)
public:
    static constexpr int intervalMs = 150;
    static constexpr int stepTwips = 150;
    static constexpr int reentryTwips = 100; // inside the strip's right edge

    Banner(QWidget *strip, QLabel *text, QWidget *page, ActiveResize *scaling);

    void start();
    QTimer *timer() const { return m_timer; }

private:
    void tick();
    void restorePosition();

    QPointer<QWidget> m_strip;
    QPointer<QLabel> m_text;
    QTimer *m_timer = nullptr;
    int m_left = 0;
    bool m_started = false;
    bool m_moved = false;
};

} // namespace documents
} // namespace halvora
