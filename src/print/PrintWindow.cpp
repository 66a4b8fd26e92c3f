#include "PrintWindow.h"

#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "SafeFile.h"
#include "TextPrinter.h"
#include "rtf/RtfWriter.h"

#include <QDir>
#include <QKeyEvent>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <memory>

namespace halvora::print {

namespace {

const QString textBoxName = QStringLiteral("rtfPrint");
const QString lineBreak = QStringLiteral("\r\n");

// The format the text at this position is written in: the character after it.
QTextCharFormat formatAfter(QTextDocument *document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    return cursor.charFormat();
}

} // namespace

PrintWindow::PrintWindow(PageWindow &page)
    : QObject(&page)
    , m_page(page)
    , m_text(page.control<QTextEdit>(textBoxName))
{
    if (m_text) {
        // The design gives the box's font in pixels at 96 dots per inch; the
        // document keeps it in points, so that printouts and saved files carry
        // the size the reader sees.
        QFont font = m_text->font();
        if (font.pixelSize() > 0)
            font.setPointSizeF(font.pixelSize() * 3.0 / 4.0);
        m_text->setFont(font);
        m_text->document()->setDefaultFont(font);
        // Pasted text arrives plain; formatting comes from "Font".
        m_text->setAcceptRichText(false);
    }
    const auto connectButton = [this](const char *name, void (PrintWindow::*action)()) {
        if (auto *button = m_page.control<QPushButton>(QString::fromLatin1(name)))
            connect(button, &QPushButton::clicked, this, action);
    };
    connectButton("cmdFont", &PrintWindow::chooseFont);
    connectButton("cmdPrint", &PrintWindow::print);
    connectButton("cmdSave", &PrintWindow::save);
    connectButton("cmdCancel", &PrintWindow::cancel);
    // "Cancel" is the window's cancel button: Escape anywhere in it presses it.
    m_page.installEventFilter(this);
}

PrintWindow *PrintWindow::load(PageNavigator &navigator)
{
    return of(navigator.loadPage(pageId));
}

PrintWindow *PrintWindow::of(PageWindow *page)
{
    return page ? page->findChild<PrintWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString PrintWindow::text() const
{
    if (!m_text)
        return {};
    QString text = m_text->document()->toPlainText();
    return text.replace(QLatin1Char('\n'), lineBreak);
}

void PrintWindow::setText(const QString &text)
{
    if (m_text)
        m_text->setPlainText(text);
}

StandardDialogs::FontChoice PrintWindow::fontAtSelection() const
{
    QTextDocument *document = m_text->document();
    const QTextCursor cursor = m_text->textCursor();
    QTextCharFormat format = m_text->currentCharFormat();
    if (cursor.hasSelection()) {
        // A selection may mix fonts; the dialog opens with the first
        // character's, passing over line ends, which carry no text.
        int position = cursor.selectionStart();
        while (position + 1 < cursor.selectionEnd() && document->characterAt(position) == QChar::ParagraphSeparator)
            ++position;
        format = formatAfter(document, position);
    }
    StandardDialogs::FontChoice choice;
    choice.font = format.font().resolve(document->defaultFont());
    if (choice.font.pointSizeF() <= 0 && choice.font.pixelSize() > 0)
        choice.font.setPointSizeF(choice.font.pixelSize() * 3.0 / 4.0);
    choice.colour = format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                               : m_text->palette().color(QPalette::Text);
    return choice;
}

void PrintWindow::chooseFont()
{
    if (!m_text || m_printing)
        return;
    const auto choice = StandardDialogs::chooseFont(&m_page, fontAtSelection());
    if (!choice)
        return;
    QTextCharFormat format;
    format.setFontFamilies({choice->font.family()});
    if (choice->font.pointSizeF() > 0)
        format.setFontPointSize(choice->font.pointSizeF());
    format.setFontWeight(choice->font.weight());
    format.setFontItalic(choice->font.italic());
    format.setFontStrikeOut(choice->font.strikeOut());
    format.setFontUnderline(choice->font.underline());
    format.setForeground(choice->colour);
    QTextCursor cursor = m_text->textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    else
        m_text->mergeCurrentCharFormat(format); // what is typed next at the caret
}

void PrintWindow::print()
{
    if (!m_text || m_printing)
        return;
    const QTextCursor cursor = m_text->textCursor();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_page.windowTitle());
    const auto range = StandardDialogs::setUpPrinter(&m_page, printer, cursor.hasSelection());
    if (!range)
        return;

    std::unique_ptr<QTextDocument> document;
    if (*range == StandardDialogs::PrintRange::Selection) {
        document = std::make_unique<QTextDocument>();
        document->setDefaultFont(m_text->document()->defaultFont());
        QTextCursor(document.get()).insertFragment(cursor.selection());
    } else {
        document.reset(m_text->document()->clone());
    }

    setBusy(true);
    // Events run between pages; the window may even be closed meanwhile.
    const QPointer<PrintWindow> self(this);
    const TextPrinter::Result result = TextPrinter::print(*document, printer, [self] {
        return self && !self->m_stopRequested && self->m_page.isVisible();
    });
    if (!self)
        return;
    setBusy(false);
    if (result == TextPrinter::Result::Failed)
        MessageBox::show(&m_page, tr("The text could not be printed; please check the printer and try again."));
}

void PrintWindow::save()
{
    if (!m_text || m_printing)
        return;
    const QString fileName = StandardDialogs::saveFileName(&m_page, saveFilters);
    if (fileName.isEmpty())
        return;
    const QString error = replaceFile(fileName, RtfWriter::write(*m_text->document()));
    if (!error.isEmpty()) {
        MessageBox::show(&m_page, tr("The text could not be saved as %1 (%2); it is still here in the window, "
                                     "and an earlier file of that name is unchanged.")
                                      .arg(QDir::toNativeSeparators(fileName), error));
    }
}

void PrintWindow::cancel()
{
    if (m_printing)
        m_stopRequested = true;
}

void PrintWindow::setBusy(bool busy)
{
    m_printing = busy;
    m_stopRequested = false;
    // While a job runs only "Cancel" and "Close" stay available.
    for (const char *name : {"cmdFont", "cmdPrint", "cmdSave"}) {
        if (auto *button = m_page.control<QPushButton>(QString::fromLatin1(name)))
            button->setEnabled(!busy);
    }
}

bool PrintWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_page && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        if (auto *button = m_page.control<QPushButton>(QStringLiteral("cmdCancel")))
            button->click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvora::print
