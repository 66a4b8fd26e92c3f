#include "SaveLogDialog.h"

#include "LogRecord.h"
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "ReadingsSheet.h"

#include <QLineEdit>
#include <QPushButton>

namespace halvora::ph {

namespace {

// Returns the status line of a successful save, or empty after telling the user why it failed.
QString save(PageWindow &dialog, PageNavigator &navigator, const QString &typed)
{
    ReadingsSheet *sheet = ReadingsSheet::of(navigator);
    if (!sheet) {
        MessageBox::show(&dialog, QStringLiteral("The readings sheet is not open, so there are no readings to save."));
        return {};
    }
    const QString name = LogFolder::logName(typed);
    if (const QString refusal = LogFolder::refusal(name); !refusal.isEmpty()) {
        MessageBox::show(&dialog, refusal);
        return {};
    }
    const auto record = LogRecord(sheet->date(), sheet->readings()).encoded();
    if (!record) {
        MessageBox::show(&dialog, QStringLiteral("The date or a reading holds a character that a log cannot store. "
                                                 "Please change it and save again."));
        return {};
    }
    const LogFolder &logs = sheet->logFolder();

    // A name that differs from a log's only in letter case is that log.
    if (const QString existing = logs.existingLogFile(name); !existing.isEmpty()) {
        const QString logName = LogFolder::nameOfFile(existing);
        if (const QString error = logs.appendToLog(existing, *record); !error.isEmpty()) {
            MessageBox::show(&dialog, QStringLiteral("The readings could not be added to the log %1 (%2). "
                                                     "The records saved before are unchanged.")
                                          .arg(logName, error));
            return {};
        }
        return logName + QStringLiteral("  ......file saved");
    }

    sheet->selectLogName(name);
    const QString file = name + LogFolder::extension;
    if (const QString error = logs.createLog(file, *record); !error.isEmpty()) {
        MessageBox::show(&dialog, QStringLiteral("The log %1 could not be created (%2). Nothing was saved.").arg(name, error));
        return {};
    }
    auto listed = [&name](const QStringList &names) {
        return names.contains(name, Qt::CaseInsensitive);
    };
    QString indexProblem;
    const auto index = logs.readIndex(&indexProblem);
    if (!index && !indexProblem.isEmpty()) {
        // The log is saved; an index that is not the program's own is left as it is.
        MessageBox::show(&dialog, QStringLiteral("The log %1 was saved, but it was not added to the list of logs. %2")
                                      .arg(name, indexProblem));
    } else if (!index || !listed(*index)) {
        if (const QString error = logs.addToIndex(name); !error.isEmpty()) {
            // A log missing from the index could never be chosen: take it back.
            logs.deleteLog(file);
            MessageBox::show(&dialog, QStringLiteral("The log %1 could not be saved, because the list of logs (%2) "
                                                     "could not be written (%3). Nothing was saved.")
                                          .arg(name, LogFolder::indexFileName, error));
            return {};
        }
    }
    if (!listed(sheet->logNames()))
        sheet->appendLogName(name);
    return QStringLiteral("\\") + file + QStringLiteral("  .....file saved");
}

} // namespace

void SaveLogDialog::attach(PageWindow &dialog, PageNavigator &navigator)
{
    auto *name = dialog.control<QLineEdit>(QStringLiteral("txtName"));
    auto *status = dialog.control<QLineEdit>(QStringLiteral("txtTest"));
    auto *saveButton = dialog.control<QPushButton>(QStringLiteral("cmdSave"));
    if (!name || !status || !saveButton)
        return;
    status->setReadOnly(true);
    const ReadingsSheet *sheet = ReadingsSheet::of(navigator);
    name->setText(sheet ? sheet->currentLogName() : ReadingsSheet::initialLogName);

    QObject::connect(saveButton, &QPushButton::clicked, &dialog, [&dialog, &navigator, name, status] {
        navigator.programFolder().makeCurrent();
        status->clear();
        const QString result = save(dialog, navigator, name->text());
        if (!result.isEmpty()) {
            status->setText(result);
            status->show();
        }
    });
}

} // namespace halvora::ph
