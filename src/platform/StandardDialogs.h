#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace halvora {

// The standard dialogs the program asks the reader through: font, print and
// save-as. Each shows a real modal dialog. Tests switch on answering and
// queue the next answers, so nothing blocks offscreen; a dialog asked with
// no answer queued is cancelled.
class StandardDialogs
{
public:
    // What the font dialog offers: the font (family, size, bold, italic,
    // underline, strike-out) and the text colour.
    struct FontChoice
    {
        QFont font;
        QColor colour = Qt::black;
    };
    enum class PrintRange { All, Selection };

    // Null when the reader cancels.
    static std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &initial);

    // Sets up the printer through the print dialog, page ranges disabled.
    // With offerSelection the dialog offers the selection and opens with it
    // chosen. Returns what to print, or null when the reader cancels.
    static std::optional<PrintRange> setUpPrinter(QWidget *parent, QPrinter &printer, bool offerSelection);

    // Save-as in the working folder with these filters, asking before an
    // existing file is replaced. The name comes back exactly as chosen (no
    // extension added), or empty when the reader cancels.
    static QString saveFileName(QWidget *parent, const QStringList &filters);

    // Test hook: while answering, no dialog is shown; each takes the next
    // queued answer. Switching answering on or off clears queue and record.
    static void setAnswering(bool on);
    static void answerFont(const FontChoice &choice);
    // The printer prints into this PDF file, with this range chosen.
    static void answerPrint(const QString &pdfFile, PrintRange range);
    static void answerSave(const QString &fileName);
    static void answerCancel();
    // One line per dialog asked while answering, e.g. "font Times New Roman 11.25 bold #000000",
    // "print selection", "print all", "save Rich Text File (*.Rtf);;All Files (*.*)".
    static QStringList takeAsked();
};

} // namespace halvora
