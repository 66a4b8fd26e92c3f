#pragma once

#include "DailyReadings.h"
#include "LogFolder.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace halvora {
class PageNavigator;
class PageWindow;
} // namespace halvora

namespace halvora::ph {

// The readings sheet: six readings of a day, their evaluation, and the list
// of saved logs. The log dialogs work on the open sheet through this object.
class ReadingsSheet : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadingsSheet)
public:
    static inline const QString pageId = QStringLiteral("frmTesting5");
    static inline const QString printFailed = QStringLiteral("The form can't be printed.");
    static inline const QString initialLogName = QStringLiteral("Select");

    ReadingsSheet(PageWindow &page, PageNavigator &navigator);

    // The sheet of the open readings page, or null.
    static ReadingsSheet *of(const PageNavigator &navigator);

    PageWindow &page() const { return m_page; }
    const LogFolder &logFolder() const { return m_logs; }

    DailyReadings readings() const;
    QString date() const;
    // The name of the log opened last on this sheet, "Select" until one was opened.
    QString currentLogName() const;

    QStringList logNames() const;
    // Selects the first entry with exactly this text, which opens its log.
    void selectLogName(const QString &name);
    void appendLogName(const QString &name);
    // The rows of the entries whose log is the given file; known only while the file exists.
    QList<int> rowsOfLogFile(const QString &fileName) const;
    void removeRows(QList<int> rows);
    void setCommentText(const QString &text);

private:
    void evaluate();
    void clear();
    void printForm();
    void openSelectedLogs();
    void fillLogList();

    PageWindow &m_page;
    PageNavigator &m_navigator;
    LogFolder m_logs;
    QList<QPointer<QLineEdit>> m_boxes;
    QPointer<QLineEdit> m_date;
    QPointer<QPlainTextEdit> m_comments;
    QPointer<QListWidget> m_logList;
    QPointer<QLabel> m_logName;
    QPointer<QPushButton> m_goTo;
};

} // namespace halvora::ph
