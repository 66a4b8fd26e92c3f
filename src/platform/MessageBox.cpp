#include "MessageBox.h"

#include <QMessageBox>

namespace halvora {

namespace {
bool s_recording = false;
QStringList &recorded()
{
    static QStringList list;
    return list;
}
} // namespace

void MessageBox::show(QWidget *parent, const QString &text)
{
    if (s_recording) {
        recorded().append(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void MessageBox::setRecording(bool on)
{
    s_recording = on;
    recorded().clear();
}

QStringList MessageBox::takeRecorded()
{
    return std::exchange(recorded(), {});
}

} // namespace halvora
