#include "WindowPrinter.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace halvora {

namespace {
bool s_recording = false;
bool s_failing = false;
QStringList &printed()
{
    static QStringList list;
    return list;
}

bool printImage(const QPixmap &image, const QString &documentName)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        return false;
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Fit the whole window on the page, keeping its proportions.
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}
} // namespace

bool WindowPrinter::print(QWidget *window)
{
    if (!window)
        return false;
    if (s_recording) {
        if (s_failing)
            return false;
        printed().append(window->objectName());
        return true;
    }
    return printImage(window->grab(), window->windowTitle());
}

void WindowPrinter::setRecording(bool on)
{
    s_recording = on;
    s_failing = false;
    printed().clear();
}

void WindowPrinter::setFailing(bool on)
{
    s_failing = on;
}

QStringList WindowPrinter::takePrinted()
{
    return std::exchange(printed(), {});
}

} // namespace halvora
