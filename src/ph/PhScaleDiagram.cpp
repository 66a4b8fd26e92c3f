#include "PhScaleDiagram.h"

#include <QLocale>
#include <QPainter>

#include <array>

namespace halvora::ph {

namespace {

// The marks top to bottom. They are evenly spaced, so the blood range around
// 7.4 gets room of its own.
constexpr std::array<double, 17> marks{14, 13, 12, 11, 10, 9, 8, 7.4, 7, 6.8, 6, 5, 4, 3, 2, 1, 0};

constexpr int noteHeight = 26;
constexpr int panelTop = 30;
constexpr int panelBottom = 504;
constexpr double rowHeight = double(panelBottom - panelTop - 8) / marks.size();
constexpr int axisX = 58;
constexpr int examplesLeft = 82;
constexpr int examplesWidth = 196;
constexpr int bandsLeft = 296;
constexpr int bandsRight = 772;
constexpr int exampleHeight = 20;
constexpr int rangeWidth = 330;

const QColor yellow(255, 255, 0);
const QColor panelGreen(0, 128, 0);
const QColor lightCyan(224, 255, 255);

struct Example {
    const char *text;
    double ph;
};
constexpr std::array<Example, 10> examples{{
    {"Lye (concentrated)", 14},
    {"Ammonia", 11.5},
    {"Baking Soda", 8.3},
    {"Pancreatic juice at 8.0", 8.0},
    {"Urine", 6},
    {"Coffee", 5},
    {"Vinegar", 2.8},
    {"Lemon juice / Gastric juice", 2},
    {"Weaker Acids", 1},
    {"Stronger acids / Battery acid", 0},
}};

struct Range {
    const char *label;
    const char *explanation;
    double from; // pH at the top edge
    double to;   // pH at the bottom edge
    QColor fill;
    QColor text;
};

QFont designFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

PhScaleDiagram::PhScaleDiagram(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picScale"));
    setAccessibleName(QStringLiteral("pH scale from 14 (alkaline) to 0 (acidic) with the blood ranges and examples"));
}

double PhScaleDiagram::heightOf(double ph)
{
    const double top = panelTop + 4 + rowHeight / 2;
    if (ph >= marks.front())
        return top;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        if (ph >= marks[i]) {
            const double part = (marks[i - 1] - ph) / (marks[i - 1] - marks[i]);
            return top + (double(i - 1) + part) * rowHeight;
        }
    }
    return top + double(marks.size() - 1) * rowHeight;
}

void PhScaleDiagram::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(width()) / designSize().width(), double(height()) / designSize().height());

    p.setPen(yellow);
    p.setFont(designFont(15, true));
    p.drawText(QRectF(0, 0, designSize().width(), noteHeight), Qt::AlignCenter,
               QStringLiteral("Urine may be slightly acidic (pH ranges are for blood tests only)."));

    p.fillRect(QRectF(0, panelTop, designSize().width(), panelBottom - panelTop), panelGreen);

    // The scale: marks, axis and ticks.
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(axisX, heightOf(14)), QPointF(axisX, heightOf(0)));
    p.setFont(designFont(14, true));
    for (double mark : marks) {
        const double y = heightOf(mark);
        p.drawLine(QPointF(axisX - 6, y), QPointF(axisX, y));
        p.drawText(QRectF(4, y - rowHeight / 2, axisX - 14, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                   QLocale::c().toString(mark));
    }

    // The bands and ranges of blood pH.
    const double top8 = heightOf(8) - rowHeight / 2 + 2;
    const double bottom68 = heightOf(6.8) + rowHeight / 2 - 2;
    const QRectF upper(bandsLeft, heightOf(14) - rowHeight / 2, bandsRight - bandsLeft, top8 - heightOf(14) + rowHeight / 2 - 4);
    const QRectF lower(bandsLeft, bottom68 + 4, bandsRight - bandsLeft, heightOf(0) + rowHeight / 2 - bottom68 - 4);
    p.fillRect(upper, QColor(0, 0, 128));
    p.fillRect(lower, QColor(128, 0, 0));
    p.setPen(Qt::white);
    p.setFont(designFont(16, true));
    p.drawText(upper.adjusted(20, 0, -20, 0), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Life is not possible at blood pH levels between 8 and 14."));
    p.drawText(lower.adjusted(20, 0, -20, 0), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Life is not possible at blood pH levels between 6.8 and 0."));

    const Range ranges[] = {
        {"7.45 - 8.00", "Alkalosis: the blood is too alkaline and needs medical care.", 8, 7.45, QColor(0, 0, 255), Qt::white},
        {"7.35 - 7.45", "Normal blood pH, held by the lungs, kidneys and blood buffers.", 7.45, 7.35, QColor(0, 176, 0), Qt::black},
        {"7.35 - 6.80", "Acidosis: the blood is too acidic and needs medical care.", 7.35, 6.8, QColor(255, 140, 0), Qt::black},
    };
    const double rangesHeight = bottom68 - top8;
    double y = top8;
    for (const Range &r : ranges) {
        const QRectF box(bandsLeft, y, rangeWidth, rangesHeight / 3 - 2);
        p.fillRect(box, r.fill);
        p.setPen(r.text);
        p.setFont(designFont(15, true));
        p.drawText(box.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(r.label));
        p.setFont(designFont(12));
        p.drawText(box.adjusted(90, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::fromLatin1(r.explanation));
        y += rangesHeight / 3;
    }
    p.setPen(yellow);
    p.setFont(designFont(14, true));
    p.drawText(QRectF(bandsLeft + rangeWidth + 8, top8, bandsRight - bandsLeft - rangeWidth - 8, rangesHeight),
               Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("For blood a pH level of 7.365 is considered ideal"));

    // Examples, in order, each near its place and joined to it by a short line.
    p.setFont(designFont(13, true));
    double previousBottom = panelTop;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const double place = heightOf(examples[i].ph);
        const double roomLeft = double(examples.size() - i) * (exampleHeight + 3);
        double boxTop = qMax(place - exampleHeight / 2.0, previousBottom + 3);
        boxTop = qMin(boxTop, panelBottom - roomLeft);
        const QRectF box(examplesLeft, boxTop, examplesWidth, exampleHeight);
        p.setPen(QPen(lightCyan, 1.5));
        p.drawLine(QPointF(axisX, place), QPointF(examplesLeft, box.center().y()));
        p.fillRect(box, lightCyan);
        p.setPen(Qt::black);
        p.drawText(box.adjusted(6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(examples[i].text));
        previousBottom = box.bottom();
    }
}

} // namespace halvora::ph
