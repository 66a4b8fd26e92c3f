#pragma once

#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

namespace halvora {
class PageNavigator;
class PageWindow;
}

// A running program against its own temporary program folder, driven the way
// a user drives it: by window and control names.
class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    // A setting file as the settings window writes it, holding this digit.
    static QByteArray settingFile(const char *digit);

    QString folder() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

    // Starts (or restarts) the program; returns the main menu.
    QWidget *start();
    void stop();
    QWidget *mainMenu() const { return m_menu; }
    halvora::PageNavigator *navigator() const;

    // The open window with this page id, or null.
    halvora::PageWindow *window(const QString &pageId) const;
    QWidget *control(const QString &pageId, const QString &name) const;
    // Clicks a button or link label of an open window; fails the test when it is missing.
    bool click(const QString &pageId, const QString &name) const;
    void pressEscape(const QString &pageId, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

private:
    QTemporaryDir m_dir;
    QPointer<QWidget> m_menu;
};
