#include "SupportWindow.h"

#include "Mailboxes.h"
#include "MessageBox.h"
#include "PageWindow.h"
#include "SafeFile.h"
#include "Shell.h"
#include "SupportMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QUrl>

namespace halvora::support {

namespace {

const QString formName = QStringLiteral("txtSupport");

void setText(const PageWindow &page, const QString &name, const QString &text)
{
    if (auto *label = page.control<QLabel>(name))
        label->setText(text);
    else if (auto *box = page.control<QLineEdit>(name)) {
        // There to be copied, not changed.
        box->setText(text);
        box->setReadOnly(true);
    }
}

} // namespace

SupportWindow::SupportWindow(PageWindow &page, ProgramFolder folder)
    : QObject(&page)
    , m_page(page)
    , m_folder(std::move(folder))
{
    fill();
    if (auto *button = page.control<QPushButton>(QStringLiteral("cmdCallEmail")))
        connect(button, &QPushButton::clicked, this, &SupportWindow::send);
}

void SupportWindow::fill()
{
    // The support address is shown split after the at sign, over two labels.
    const qsizetype at = mailbox::support.indexOf(QLatin1Char('@')) + 1;
    setText(m_page, QStringLiteral("lblEmail"), mailbox::support.left(at));
    setText(m_page, QStringLiteral("lblEmailDomain"), mailbox::support.mid(at));
    setText(m_page, QStringLiteral("lblAltEmail"), mailbox::alternative);
    setText(m_page, QStringLiteral("txtEmail"), mailbox::support);
    setText(m_page, QStringLiteral("txtAltEmail"), mailbox::alternative);

    auto *form = m_page.control<QPlainTextEdit>(formName);
    if (!form)
        return;
    const QString programFile = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    form->setPlainText(SupportMessage::requestTemplate(programFile));
    // The user starts typing after "Full Name (required): ".
    QTextCursor cursor(form->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    form->setTextCursor(cursor);
    form->setFocus();
}

void SupportWindow::send()
{
    auto *form = m_page.control<QPlainTextEdit>(formName);
    if (!form)
        return;
    const QString path = m_folder.filePath(messageFileName);
    const SupportMessage message(mailbox::support, form->toPlainText());
    const QString error = replaceFile(path, message.bytes());
    if (!error.isEmpty()) {
        MessageBox::show(&m_page, QStringLiteral("The support message could not be saved as %1 (%2), so it was not passed "
                                                 "to your e-mail program; you can still copy the form into an e-mail yourself.")
                                      .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    // Whether an e-mail program took the file is not ours to know: the file is
    // there in any case.
    Shell::openUrl(QUrl::fromLocalFile(path));
}

} // namespace halvora::support
