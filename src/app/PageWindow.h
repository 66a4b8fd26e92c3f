#pragma once

#include "PageDesign.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFrame;
class QTimer;

namespace halvora {

class ActiveResize;

// A window built from a page design. Its objectName is its page id, and its
// controls carry their design names, so code finds them with control<T>(name).
class PageWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageWindow)
public:
    explicit PageWindow(PageDesign design);

    QString pageId() const { return m_design.id(); }
    const PageDesign &design() const { return m_design; }

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        return findChild<T *>(name);
    }

    // Where the controls live: the content frame on windows that hide their
    // content while rescaling, otherwise the window itself.
    QWidget *contentParent() const;
    QFrame *contentFrame() const { return m_contentFrame; }
    ActiveResize *scaling() const { return m_scaling; }

    // Layout problems found while building (text that overflows its box).
    QStringList diagnostics() const { return m_diagnostics; }
    void addDiagnostic(const QString &text) { m_diagnostics.append(text); }

    // Set while the program ends: the window goes without its closing steps.
    void discard();

    void setScaling(ActiveResize *scaling);
    void setContentFrame(QFrame *frame);

signals:
    // The window is closing by the user or the navigator; its own closing
    // steps (write back an edit, close its dialogs) connect here.
    void closing();
    void closed(const QString &pageId);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void hideContentWhileRescaling();

    PageDesign m_design;
    QFrame *m_contentFrame = nullptr;
    QTimer *m_debounce = nullptr;
    ActiveResize *m_scaling = nullptr;
    QStringList m_diagnostics;
    bool m_discarded = false;
};

} // namespace halvora
