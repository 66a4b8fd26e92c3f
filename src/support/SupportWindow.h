#pragma once

#include "ProgramFolder.h"

#include <QObject>

namespace halvora {
class PageWindow;
}

namespace halvora::support {

// The behaviour of the support request window: fills the request form and the
// mailbox addresses when the window opens, and on "Send Support" writes the
// form as Support.eml into the program folder and hands that file to the
// e-mail program registered for it. Lives as long as its window.
class SupportWindow : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SupportWindow)
public:
    static inline const QString pageId = QStringLiteral("frmSupport");
    static inline const QString messageFileName = QStringLiteral("Support.eml");

    SupportWindow(PageWindow &page, ProgramFolder folder);

    void send();

private:
    void fill();

    PageWindow &m_page;
    ProgramFolder m_folder;
};

} // namespace halvora::support
