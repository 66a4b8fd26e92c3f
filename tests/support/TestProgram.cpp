#include "TestProgram.h"

#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "Shell.h"
#include "StandardDialogs.h"
#include "Startup.h"
#include "WindowPrinter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

TestProgram::TestProgram()
{
    halvora::MessageBox::setRecording(true);
    halvora::Shell::setRecording(true);
    halvora::WindowPrinter::setRecording(true);
    halvora::StandardDialogs::setAnswering(true);
    // The program folder holds what the build assembled beside the executable.
    // HALVORA_PROGRAM_DIR in the environment points a copied test binary at a copied folder.
    const QDir built(qEnvironmentVariable("HALVORA_PROGRAM_DIR", QStringLiteral(HALVORA_PROGRAM_DIR)));
    for (const QString &name : built.entryList(QDir::Files)) {
        if (!QFileInfo(built.filePath(name)).isExecutable())
            QFile::copy(built.filePath(name), m_dir.filePath(name));
    }
}

TestProgram::~TestProgram()
{
    stop();
}

QByteArray TestProgram::settingFile(const char *digit)
{
    return QByteArray("{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
                      "\\viewkind4\\uc1\\pard\\f0\\fs17 ")
        + digit + "\r\n\\par }";
}

void TestProgram::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TestProgram::readFile(const QString &name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QWidget *TestProgram::start()
{
    stop();
    m_menu = halvora::start(m_dir.path());
    return m_menu;
}

void TestProgram::stop()
{
    if (m_menu)
        delete m_menu.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

halvora::PageNavigator *TestProgram::navigator() const
{
    return m_menu ? m_menu->findChild<halvora::PageNavigator *>() : nullptr;
}

halvora::PageWindow *TestProgram::window(const QString &pageId) const
{
    auto *nav = navigator();
    return nav ? nav->page(pageId) : nullptr;
}

QWidget *TestProgram::control(const QString &pageId, const QString &name) const
{
    halvora::PageWindow *w = window(pageId);
    return w ? w->findChild<QWidget *>(name) : nullptr;
}

bool TestProgram::click(const QString &pageId, const QString &name) const
{
    QWidget *c = control(pageId, name);
    // A window that hides its content while rescaling shows it again shortly.
    if (!c || !QTest::qWaitFor([c] { return c->isVisible(); }, 2000))
        return false;
    if (auto *button = qobject_cast<QAbstractButton *>(c))
        button->click();
    else
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(2, c->height() / 2));
    return true;
}

void TestProgram::pressEscape(const QString &pageId, Qt::KeyboardModifiers modifiers) const
{
    if (halvora::PageWindow *w = window(pageId))
        QTest::keyClick(w, Qt::Key_Escape, modifiers);
}
