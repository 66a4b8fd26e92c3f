#pragma once

#include "StandardDialogs.h"

#include <QObject>
#include <QStringList>

class QTextEdit;

namespace halvora {
class PageNavigator;
class PageWindow;
}

namespace halvora::print {

// The behaviour of the print and save window: shows a text composed
// elsewhere, lets the reader restyle it with "Font", print it and save it as
// a rich-text file. The window owns the text; closing it discards the text.
// Lives as long as its window.
class PrintWindow : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintWindow)
public:
    static inline const QString pageId = QStringLiteral("frmPrint");
    static inline const QStringList saveFilters = {QStringLiteral("Rich Text File (*.Rtf)"),
                                                   QStringLiteral("All Files (*.*)")};

    explicit PrintWindow(PageWindow &page);

    // For callers: load the window hidden (or take the loaded one), set its
    // whole text any number of times, then show it with the navigator.
    static PrintWindow *load(PageNavigator &navigator);
    static PrintWindow *of(PageWindow *page);

    // The plain text, lines separated by CR LF.
    QString text() const;
    // Replaces the whole text and any formatting with plain text.
    void setText(const QString &text);

    void chooseFont();
    void print();
    void save();
    // Stops the print job under way, if there is one.
    void cancel();
    bool isPrinting() const { return m_printing; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StandardDialogs::FontChoice fontAtSelection() const;
    void setBusy(bool busy);

    PageWindow &m_page;
    QTextEdit *m_text = nullptr;
    bool m_printing = false;
    bool m_stopRequested = false;
};

} // namespace halvora::print
