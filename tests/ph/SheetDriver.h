#pragma once

#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

// Drives the readings sheet and its log dialogs by control names, as a user would.
class SheetDriver
{
public:
    static inline const QString sheet = QStringLiteral("frmTesting5");
    static inline const QString saveDialog = QStringLiteral("frmTestingSaveLog");
    static inline const QString deleteDialog = QStringLiteral("frmTestingDeleteLog");

    explicit SheetDriver(TestProgram &program)
        : m_program(program)
    {
    }

    bool open() const { return m_program.navigator()->openPage(sheet) != nullptr; }

    QLineEdit *edit(const QString &page, const QString &name) const
    {
        return qobject_cast<QLineEdit *>(m_program.control(page, name));
    }
    QLineEdit *box(const char *name) const { return edit(sheet, QString::fromLatin1(name)); }

    // The six readings in the order of the day, and the date.
    void type(const QStringList &readings, const QString &date = QStringLiteral("10/12/2024")) const
    {
        const char *boxes[] = {"txtUrine1", "txtSaliva1", "txtSaliva2", "txtUrine2", "txtUrine3", "txtUrine4"};
        for (int i = 0; i < 6; ++i)
            box(boxes[i])->setText(readings.value(i));
        box("txtDate")->setText(date);
    }

    // The comment area's text with the program's line ends.
    QString comments() const { return m_program.control(sheet, QStringLiteral("txtLog"))->property("text").toString(); }
    QString shownComments() const
    {
        return qobject_cast<QPlainTextEdit *>(m_program.control(sheet, QStringLiteral("txtLog")))->toPlainText();
    }
    QString logName() const { return qobject_cast<QLabel *>(m_program.control(sheet, QStringLiteral("lblSelect")))->text(); }

    QListWidget *list() const { return qobject_cast<QListWidget *>(m_program.control(sheet, QStringLiteral("lstLogNames"))); }
    QStringList entries() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names.append(list()->item(i)->text());
        return names;
    }
    void clickEntry(int row) const
    {
        QListWidget *l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }

    // Saves under a name through the save dialog, opening it if need be.
    void saveAs(const QString &name) const
    {
        if (!m_program.window(saveDialog))
            m_program.click(sheet, QStringLiteral("cmdSave"));
        edit(saveDialog, QStringLiteral("txtName"))->setText(name);
        m_program.click(saveDialog, QStringLiteral("cmdSave"));
    }
    QString saveStatus() const
    {
        QLineEdit *status = edit(saveDialog, QStringLiteral("txtTest"));
        return status && status->isVisible() ? status->text() : QString();
    }

    void deleteLog(const QString &name) const
    {
        if (!m_program.window(deleteDialog))
            m_program.click(sheet, QStringLiteral("cmdDeleteLog"));
        edit(deleteDialog, QStringLiteral("txtLogName"))->setText(name);
        m_program.click(deleteDialog, QStringLiteral("cmdDeleteLog"));
    }

private:
    TestProgram &m_program;
};
