#include "TextPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <QTextFrame>

#include <memory>

namespace halvora::print {

namespace {

// Half an inch of paper around the text, in the screen units the text is laid out in.
constexpr qreal marginInches = 0.5;

qreal screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

bool keepsGoing(const std::function<bool()> &keepGoing)
{
    QCoreApplication::processEvents();
    return keepGoing();
}

} // namespace

TextPrinter::Result TextPrinter::print(const QTextDocument &document, QPrinter &printer,
                                       const std::function<bool()> &keepGoing)
{
    // The copy is laid out in screen units and drawn scaled up to the
    // printer, so fonts given in pixels and in points keep their proportions.
    std::unique_ptr<QTextDocument> copy(document.clone());
    const qreal dpi = screenDpi();
    const qreal scaleX = printer.logicalDpiX() / dpi;
    const qreal scaleY = printer.logicalDpiY() / dpi;
    if (printer.width() <= 0 || printer.height() <= 0 || scaleX <= 0 || scaleY <= 0)
        return Result::Failed;
    const QSizeF page(printer.width() / scaleX, printer.height() / scaleY);
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(marginInches * dpi);
    copy->rootFrame()->setFrameFormat(frame);
    copy->setPageSize(page);
    const int pages = copy->pageCount();

    if (!keepsGoing(keepGoing))
        return Result::Stopped;
    QPainter painter;
    if (!painter.begin(&printer))
        return Result::Failed;
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            if (!keepsGoing(keepGoing)) {
                printer.abort();
                painter.end();
                if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
                    QFile::remove(printer.outputFileName());
                return Result::Stopped;
            }
            if (!printer.newPage()) {
                painter.end();
                return Result::Failed;
            }
        }
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return Result::Failed;
    return Result::Printed;
}

} // namespace halvora::print
