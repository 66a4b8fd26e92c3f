#include "DeleteLogDialog.h"

#include "LogFolder.h"
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "ReadingsSheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace halvora::ph {

namespace {

// Returns whether the log was deleted, after telling the user what went wrong.
bool deleteLog(PageWindow &dialog, PageNavigator &navigator, const QString &typed)
{
    ReadingsSheet *sheet = ReadingsSheet::of(navigator);
    const LogFolder logs(navigator.programFolder().path());
    const QString file = logs.existingLogFile(LogFolder::logName(typed));
    if (file.isEmpty()) {
        MessageBox::show(&dialog, DeleteLogDialog::noLogFound);
        return false;
    }
    // Which entries name this log is known only while its file exists.
    const QList<int> rows = sheet ? sheet->rowsOfLogFile(file) : QList<int>();
    // An index that cannot be used (too large to be ours, or unreadable) is never rewritten.
    QString indexProblem;
    const auto index = logs.readIndex(&indexProblem);
    QStringList remaining;
    if (!sheet && index) {
        for (const QString &entry : *index) {
            if (logs.existingLogFile(LogFolder::logName(entry)) != file)
                remaining.append(entry);
        }
    }
    const QString logName = LogFolder::nameOfFile(file);
    if (const QString error = logs.deleteLog(file); !error.isEmpty()) {
        MessageBox::show(&dialog, QStringLiteral("The log %1 could not be deleted (%2).").arg(logName, error));
        return false;
    }
    if (sheet) {
        sheet->removeRows(rows);
        if (!rows.isEmpty())
            sheet->setCommentText(QString());
        remaining = sheet->logNames();
    }
    if (!index) {
        if (!indexProblem.isEmpty())
            MessageBox::show(&dialog, QStringLiteral("The log %1 was deleted. %2").arg(logName, indexProblem));
        return true;
    }
    if (const QString error = logs.writeIndex(remaining); !error.isEmpty()) {
        MessageBox::show(&dialog, QStringLiteral("The log %1 was deleted, but the list of logs (%2) could not be updated (%3).")
                                      .arg(logName, LogFolder::indexFileName, error));
    }
    return true;
}

} // namespace

void DeleteLogDialog::attach(PageWindow &dialog, PageNavigator &navigator)
{
    auto *name = dialog.control<QLineEdit>(QStringLiteral("txtLogName"));
    auto *status = dialog.control<QLabel>(QStringLiteral("lblStatus"));
    auto *deleteButton = dialog.control<QPushButton>(QStringLiteral("cmdDeleteLog"));
    if (!name || !status || !deleteButton)
        return;
    const ReadingsSheet *sheet = ReadingsSheet::of(navigator);
    name->setText(sheet ? sheet->currentLogName() : ReadingsSheet::initialLogName);

    QObject::connect(deleteButton, &QPushButton::clicked, &dialog, [&dialog, &navigator, name, status] {
        navigator.programFolder().makeCurrent();
        status->clear();
        if (deleteLog(dialog, navigator, name->text()))
            status->setText(done);
    });
}

} // namespace halvora::ph
