#include "StandardDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QLoggingCategory>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>

#include <deque>
#include <variant>

Q_LOGGING_CATEGORY(lcDialogs, "halvora.dialogs")

namespace halvora {

namespace {

struct PrintAnswer
{
    QString pdfFile;
    StandardDialogs::PrintRange range;
};
struct SaveAnswer
{
    QString fileName;
};
struct Cancel
{
};
using Answer = std::variant<StandardDialogs::FontChoice, PrintAnswer, SaveAnswer, Cancel>;

struct Answering
{
    bool on = false;
    std::deque<Answer> answers;
    QStringList asked;
};

Answering &answering()
{
    static Answering state;
    return state;
}

// The next queued answer if it is of the kind asked for; anything else cancels.
template<typename T>
std::optional<T> nextAnswer(const QString &asked)
{
    Answering &state = answering();
    state.asked.append(asked);
    if (state.answers.empty())
        return std::nullopt;
    Answer answer = std::move(state.answers.front());
    state.answers.pop_front();
    if (T *wanted = std::get_if<T>(&answer))
        return std::move(*wanted);
    if (!std::holds_alternative<Cancel>(answer))
        qCWarning(lcDialogs) << "the queued answer does not fit" << asked;
    return std::nullopt;
}

QString describe(const StandardDialogs::FontChoice &choice)
{
    QStringList parts{QStringLiteral("font"), choice.font.family(), QString::number(choice.font.pointSizeF())};
    if (choice.font.bold())
        parts << QStringLiteral("bold");
    if (choice.font.italic())
        parts << QStringLiteral("italic");
    if (choice.font.underline())
        parts << QStringLiteral("underline");
    if (choice.font.strikeOut())
        parts << QStringLiteral("strike");
    parts << choice.colour.name();
    return parts.join(u' ');
}

// The colours a word processor's font dialog offers beside the font.
const QList<std::pair<const char *, QColor>> &textColours()
{
    static const QList<std::pair<const char *, QColor>> colours = {
        {QT_TRANSLATE_NOOP("StandardDialogs", "Black"), QColor(0, 0, 0)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Maroon"), QColor(128, 0, 0)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Green"), QColor(0, 128, 0)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Olive"), QColor(128, 128, 0)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Navy"), QColor(0, 0, 128)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Purple"), QColor(128, 0, 128)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Teal"), QColor(0, 128, 128)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Gray"), QColor(128, 128, 128)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Silver"), QColor(192, 192, 192)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Red"), QColor(255, 0, 0)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Lime"), QColor(0, 255, 0)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Yellow"), QColor(255, 255, 0)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Blue"), QColor(0, 0, 255)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Fuchsia"), QColor(255, 0, 255)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "Aqua"), QColor(0, 255, 255)},
        {QT_TRANSLATE_NOOP("StandardDialogs", "White"), QColor(255, 255, 255)},
    };
    return colours;
}

// Qt's font dialog offers font, size, style, underline and strike-out but no
// colour; this one embeds it and adds the colour choice below.
std::optional<StandardDialogs::FontChoice> showFontDialog(QWidget *parent, const StandardDialogs::FontChoice &initial)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("StandardDialogs", "Font"));
    auto *layout = new QVBoxLayout(&dialog);

    auto *fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
    // The dialog lists installed families; a name the system stands in for
    // (Times New Roman on a system with only a look-alike) shows as its stand-in.
    const QString installed = QFontInfo(initial.font).family();
    QFont shown = initial.font;
    shown.setFamily(installed);
    fonts->setCurrentFont(shown);
    layout->addWidget(fonts);

    auto *colourRow = new QFormLayout;
    auto *colours = new QComboBox(&dialog);
    colours->setObjectName(QStringLiteral("colour"));
    for (const auto &[name, colour] : textColours()) {
        QPixmap swatch(16, 16);
        swatch.fill(colour);
        colours->addItem(QIcon(swatch), QCoreApplication::translate("StandardDialogs", name), colour);
    }
    int current = colours->findData(initial.colour);
    if (current < 0) {
        // A colour from a pasted or loaded text stays on offer as it is.
        QPixmap swatch(16, 16);
        swatch.fill(initial.colour);
        colours->addItem(QIcon(swatch), QCoreApplication::translate("StandardDialogs", "Custom"), initial.colour);
        current = colours->count() - 1;
    }
    colours->setCurrentIndex(current);
    colourRow->addRow(QCoreApplication::translate("StandardDialogs", "Colour:"), colours);
    layout->addLayout(colourRow);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont chosen = fonts->currentFont();
    // Left on the stand-in, the text keeps the name it had, so the saved file
    // asks other systems for the same font.
    if (chosen.family() == installed)
        chosen.setFamily(initial.font.family());
    // The dialog offers whole points; a size left as shown keeps its fraction.
    if (chosen.pointSize() == shown.pointSize())
        chosen.setPointSizeF(initial.font.pointSizeF());
    return StandardDialogs::FontChoice{chosen, colours->currentData().value<QColor>()};
}

} // namespace

std::optional<StandardDialogs::FontChoice> StandardDialogs::chooseFont(QWidget *parent, const FontChoice &initial)
{
    if (answering().on)
        return nextAnswer<FontChoice>(describe(initial));
    return showFontDialog(parent, initial);
}

std::optional<StandardDialogs::PrintRange> StandardDialogs::setUpPrinter(QWidget *parent, QPrinter &printer, bool offerSelection)
{
    printer.setPrintRange(offerSelection ? QPrinter::Selection : QPrinter::AllPages);
    if (answering().on) {
        const auto answer = nextAnswer<PrintAnswer>(offerSelection ? QStringLiteral("print selection")
                                                                   : QStringLiteral("print all"));
        if (!answer)
            return std::nullopt;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer->pdfFile);
        printer.setPrintRange(answer->range == PrintRange::Selection ? QPrinter::Selection : QPrinter::AllPages);
        return answer->range;
    }
    QPrintDialog dialog(&printer, parent);
    // Page ranges are not offered: the text is printed whole or as selected.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile
        | QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if (offerSelection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    // Qt's own dialog on Linux still offers "Pages from" once it is shown; switch it off there too.
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto *range = dialog.findChild<QAbstractButton *>(QStringLiteral("printRange")))
            range->setEnabled(false);
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return offerSelection && printer.printRange() == QPrinter::Selection ? PrintRange::Selection : PrintRange::All;
}

QString StandardDialogs::saveFileName(QWidget *parent, const QStringList &filters)
{
    if (answering().on) {
        const auto answer = nextAnswer<SaveAnswer>(QStringLiteral("save ") + filters.join(QStringLiteral(";;")));
        return answer ? answer->fileName : QString();
    }
    QFileDialog dialog(parent, QCoreApplication::translate("StandardDialogs", "Save As"), QDir::currentPath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void StandardDialogs::setAnswering(bool on)
{
    answering() = Answering{on, {}, {}};
}

void StandardDialogs::answerFont(const FontChoice &choice)
{
    answering().answers.emplace_back(choice);
}

void StandardDialogs::answerPrint(const QString &pdfFile, PrintRange range)
{
    answering().answers.emplace_back(PrintAnswer{pdfFile, range});
}

void StandardDialogs::answerSave(const QString &fileName)
{
    answering().answers.emplace_back(SaveAnswer{fileName});
}

void StandardDialogs::answerCancel()
{
    answering().answers.emplace_back(Cancel{});
}

QStringList StandardDialogs::takeAsked()
{
    return std::exchange(answering().asked, {});
}

} // namespace halvora
