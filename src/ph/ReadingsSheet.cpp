#include "ReadingsSheet.h"

#include "DeleteLogDialog.h"
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "ReadingEvaluation.h"
#include "SaveLogDialog.h"
#include "SectionBar.h"
#include "WindowPrinter.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace halvora::ph {

namespace {
const QString previousPage = QStringLiteral("frmTesting3");
} // namespace

ReadingsSheet::ReadingsSheet(PageWindow &page, PageNavigator &navigator)
    : QObject(&page)
    , m_page(page)
    , m_navigator(navigator)
    , m_logs(navigator.programFolder().path())
{
    setObjectName(QStringLiteral("readingsSheet"));
    for (const ReadingInfo &info : readingInfo)
        m_boxes.append(page.control<QLineEdit>(QString::fromLatin1(info.box)));
    m_date = page.control<QLineEdit>(QStringLiteral("txtDate"));
    m_comments = page.control<QPlainTextEdit>(QStringLiteral("txtLog"));
    m_logList = page.control<QListWidget>(QStringLiteral("lstLogNames"));
    m_logName = page.control<QLabel>(QStringLiteral("lblSelect"));
    m_goTo = page.control<QPushButton>(QStringLiteral("cmdGoTo"));

    SectionBar::install(page, navigator);

    // The readings come first when tabbing through the sheet.
    QWidget *previous = nullptr;
    for (QLineEdit *box : std::as_const(m_boxes)) {
        if (previous && box)
            QWidget::setTabOrder(previous, box);
        if (box)
            previous = box;
    }
    for (const char *name : {"cmdCommends", "txtDate", "lstLogNames", "txtLog", "cmdDeleteLog", "cmdSave", "cmdClear",
                             "cmdPrintForm", "cmdTesting4"}) {
        QWidget *next = page.control(QString::fromLatin1(name));
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        if (next)
            previous = next;
    }

    auto onClick = [&page, this](const char *name, void (ReadingsSheet::*action)()) {
        if (auto *button = page.control<QPushButton>(QString::fromLatin1(name)))
            connect(button, &QPushButton::clicked, this, action);
    };
    onClick("cmdCommends", &ReadingsSheet::evaluate);
    onClick("cmdClear", &ReadingsSheet::clear);
    onClick("cmdPrintForm", &ReadingsSheet::printForm);
    onClick("cmdGoTo", &ReadingsSheet::openSelectedLogs);
    auto onClickOpen = [&page, &navigator](const char *name, const QString &target) {
        if (auto *button = page.control<QPushButton>(QString::fromLatin1(name)))
            connect(button, &QPushButton::clicked, &page, [&navigator, target] { navigator.openPage(target); });
    };
    onClickOpen("cmdSave", SaveLogDialog::pageId);
    onClickOpen("cmdDeleteLog", DeleteLogDialog::pageId);
    if (auto *back = page.control<QPushButton>(QStringLiteral("cmdTesting4"))) {
        connect(back, &QPushButton::clicked, &page, [&navigator] { navigator.replacePage(previousPage, pageId); });
    }

    if (m_logList) {
        // Choosing a log opens it through the hidden GoTo button; a double
        // click opens the chosen log again after an evaluation replaced it.
        connect(m_logList, &QListWidget::itemSelectionChanged, this, [this] {
            if (m_goTo && !m_logList->selectedItems().isEmpty()) {
                m_goTo->setEnabled(true);
                m_goTo->click();
            }
        });
        connect(m_logList, &QListWidget::itemActivated, this, &ReadingsSheet::openSelectedLogs);
    }
    // The dialogs work on this sheet's boxes; they go when it goes.
    connect(&page, &PageWindow::closing, &navigator, [&navigator] {
        navigator.closePage(SaveLogDialog::pageId);
        navigator.closePage(DeleteLogDialog::pageId);
    });

    // Opening the sheet: today's date, empty readings, the saved logs.
    if (m_date)
        m_date->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    for (QLineEdit *box : std::as_const(m_boxes)) {
        if (box)
            box->clear();
    }
    fillLogList();
}

ReadingsSheet *ReadingsSheet::of(const PageNavigator &navigator)
{
    PageWindow *page = navigator.page(pageId);
    return page ? page->findChild<ReadingsSheet *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

DailyReadings ReadingsSheet::readings() const
{
    DailyReadings r;
    for (int i = 0; i < readingCount; ++i) {
        if (QLineEdit *box = m_boxes.value(i))
            r[std::size_t(i)] = box->text();
    }
    return r;
}

QString ReadingsSheet::date() const
{
    return m_date ? m_date->text() : QString();
}

QString ReadingsSheet::currentLogName() const
{
    return m_logName ? m_logName->text() : initialLogName;
}

QStringList ReadingsSheet::logNames() const
{
    QStringList names;
    if (m_logList) {
        for (int i = 0; i < m_logList->count(); ++i)
            names.append(m_logList->item(i)->text());
    }
    return names;
}

void ReadingsSheet::selectLogName(const QString &name)
{
    if (!m_logList)
        return;
    const auto found = m_logList->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        m_logList->setCurrentItem(found.first());
}

void ReadingsSheet::appendLogName(const QString &name)
{
    if (m_logList)
        m_logList->addItem(name);
}

QList<int> ReadingsSheet::rowsOfLogFile(const QString &fileName) const
{
    QList<int> rows;
    if (m_logList) {
        for (int i = 0; i < m_logList->count(); ++i) {
            if (m_logs.existingLogFile(LogFolder::logName(m_logList->item(i)->text())) == fileName)
                rows.append(i);
        }
    }
    return rows;
}

void ReadingsSheet::removeRows(QList<int> rows)
{
    if (!m_logList)
        return;
    // Removing entries must not open another log.
    const QSignalBlocker blocker(m_logList);
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (int row : std::as_const(rows))
        delete m_logList->takeItem(row);
    m_logList->clearSelection();
}

void ReadingsSheet::setCommentText(const QString &text)
{
    if (m_comments)
        m_comments->setPlainText(text);
}

void ReadingsSheet::evaluate()
{
    const QLocale locale;
    const auto result = ReadingEvaluation::evaluate(readings(), locale);
    if (result.invalidReading >= 0) {
        QLineEdit *box = m_boxes.value(result.invalidReading);
        MessageBox::show(&m_page, QStringLiteral("The %1 reading \"%2\" is not a number. Please type a pH value such as %3 "
                                                 "and click the evaluation button again.")
                                      .arg(QString::fromLatin1(readingInfo[std::size_t(result.invalidReading)].title),
                                           box ? box->text().trimmed() : QString(), locale.toString(6.8)));
        if (box) {
            box->setFocus();
            box->selectAll();
        }
        return;
    }
    setCommentText(result.comments.isEmpty() ? ReadingEvaluation::noEntriesMessage : result.comments);
}

void ReadingsSheet::clear()
{
    for (QLineEdit *box : std::as_const(m_boxes)) {
        if (box)
            box->clear();
    }
    if (QLineEdit *first = m_boxes.value(0))
        first->setFocus();
    setCommentText(QString());
}

void ReadingsSheet::printForm()
{
    if (!WindowPrinter::print(&m_page))
        MessageBox::show(&m_page, printFailed);
}

void ReadingsSheet::openSelectedLogs()
{
    if (!m_logList)
        return;
    m_navigator.programFolder().makeCurrent();
    const auto selected = m_logList->selectedItems();
    for (const QListWidgetItem *item : selected) {
        if (m_logName)
            m_logName->setText(item->text());
        const QString file = m_logs.existingLogFile(LogFolder::logName(item->text()));
        QString problem;
        const auto text = m_logs.readLog(file, &problem);
        if (!problem.isEmpty()) {
            // Not one of ours: the comment area keeps what it shows.
            MessageBox::show(&m_page, problem);
            continue;
        }
        setCommentText(text.value_or(QString()));
    }
}

void ReadingsSheet::fillLogList()
{
    if (!m_logList)
        return;
    const QSignalBlocker blocker(m_logList);
    m_logList->clear();
    QString problem;
    m_logList->addItems(m_logs.readIndex(&problem).value_or(QStringList()));
    if (!problem.isEmpty())
        MessageBox::show(&m_page, problem);
}

} // namespace halvora::ph
