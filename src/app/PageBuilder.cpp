#include "PageBuilder.h"

#include "ActiveResize.h"
#include "Controls.h"
#include "PageDesign.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "Shell.h"
#include "Twips.h"
#include "rtf/RtfReader.h"

#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtMath>

namespace halvora {

namespace {

const QString defaultFamily = QStringLiteral("Times New Roman");
const QColor darkGreen(0, 64, 0);
const QColor olive(128, 128, 0);

// The page area of an article: inside the olive frame, above the button row.
// Heights count from the bottom of the client area, so a taller page keeps them.
constexpr int articleLeft = 300;
constexpr int articleWidth = 11280;
constexpr int articleBottomMargin = 570;    // 7440 on the 8010-twip page
constexpr int frameBottomMargin = 75;       // olive frame from 90 down to 7935
constexpr int navigationBottomMargin = 450; // button row at 7560
constexpr int navigationHeight = 345;
constexpr int navigationRight = 11775;
constexpr int navigationGap = 60;

struct TextStyle {
    double points = 11.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;
    int spaceAfter = 90; // twips
    bool link = false;
};

TextStyle textStyle(const QString &name)
{
    if (name == QLatin1String("heading"))
        return {12, true, false, false, darkGreen, 150, false};
    if (name == QLatin1String("subheading"))
        return {11.25, true, false, false, darkGreen, 30, false};
    if (name == QLatin1String("link"))
        return {11.25, false, true, true, QColor(0, 0, 255), 90, true};
    if (name == QLatin1String("note"))
        return {10.5, false, true, false, QColor(64, 64, 64), 90, false};
    return {};
}

QRect rectFromJson(const QJsonValue &value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        return {};
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

QFont fontFromJson(const QJsonObject &c, const TextStyle &style)
{
    const QJsonObject f = c.value(QLatin1String("font")).toObject();
    QFont font(f.value(QLatin1String("family")).toString(defaultFamily));
    font.setPixelSize(twips::fontPixels(f.value(QLatin1String("size")).toDouble(style.points)));
    font.setBold(f.value(QLatin1String("bold")).toBool(style.bold));
    font.setItalic(f.value(QLatin1String("italic")).toBool(style.italic));
    font.setUnderline(f.value(QLatin1String("underline")).toBool(style.underline));
    return font;
}

Qt::Alignment alignmentFromJson(const QJsonObject &c)
{
    const QString a = c.value(QLatin1String("align")).toString();
    Qt::Alignment h = Qt::AlignLeft;
    if (a == QLatin1String("center"))
        h = Qt::AlignHCenter;
    else if (a == QLatin1String("right"))
        h = Qt::AlignRight;
    else if (a == QLatin1String("justify"))
        h = Qt::AlignJustify;
    return h | (c.value(QLatin1String("valign")).toString() == QLatin1String("center") ? Qt::AlignVCenter : Qt::AlignTop);
}

void setColours(QWidget *w, const QColor &text, const QColor &back)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    if (back.isValid()) {
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::Base, back);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QString buttonStyleSheet(const QColor &back)
{
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; padding: 0px; }"
                          "QPushButton:pressed { background-color: %2; border-style: inset; }"
                          "QPushButton:focus { border: 1px solid #000000; }")
        .arg(back.name(), back.darker(115).name());
}

// Height in pixels that text needs when wrapped to a width in pixels.
int wrappedHeight(const QFont &font, const QString &text, int widthPixels, Qt::Alignment align)
{
    const QFontMetrics fm(font);
    return fm.boundingRect(QRect(0, 0, widthPixels, 1 << 20), int(align) | Qt::TextWordWrap, text).height();
}

// The verdicts an evidence box may give, worded as the book words them.
const QJsonObject &evidenceVerdicts()
{
    static const QJsonObject verdicts = [] {
        QFile file(QStringLiteral(":/evidence/verdicts.json"));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }();
    return verdicts;
}

// The evidence box's text as rich text, every field escaped; empty with
// *problem set when a field is missing or the verdict is not one of the scale.
QString evidenceHtml(const QJsonObject &e, QString *problem)
{
    static const char *const fields[] = {"what", "claims", "verdict", "finding", "risks", "talk", "sources", "reviewed"};
    for (const char *field : fields) {
        if (e.value(QLatin1String(field)).toString().trimmed().isEmpty()) {
            *problem = QStringLiteral("evidence box: \"%1\" is missing").arg(QLatin1String(field));
            return {};
        }
    }
    const QString verdict = evidenceVerdicts().value(e.value(QLatin1String("verdict")).toString()).toString();
    if (verdict.isEmpty()) {
        *problem = QStringLiteral("evidence box: unknown verdict \"%1\"").arg(e.value(QLatin1String("verdict")).toString());
        return {};
    }
    auto field = [&e](const char *key) { return e.value(QLatin1String(key)).toString().toHtmlEscaped(); };
    return QStringLiteral("<b style=\"color:#004000\">At a glance</b><br>"
                          "<b>What it is:</b> %1<br>"
                          "<b>What is claimed:</b> %2<br>"
                          "<b>The evidence:</b> <b style=\"color:#800000\">%3.</b> %4<br>"
                          "<b>Risks:</b> %5<br>"
                          "<b>%6</b><br>"
                          "<i>Sources: %7. Last reviewed: %8.</i>")
        .arg(field("what"), field("claims"), verdict.toHtmlEscaped(), field("finding"), field("risks"), field("talk"),
             field("sources"), field("reviewed"));
}

bool loadDocument(QTextEdit *box, const QJsonObject &c)
{
    const QString inlineRtf = c.value(QLatin1String("rtf")).toString();
    if (!inlineRtf.isEmpty())
        return RtfReader::read(inlineRtf.toLatin1(), box->document()).ok;
    const QString path = c.value(QLatin1String("document")).toString();
    if (path.isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (path.endsWith(QLatin1String(".rtf")))
        return RtfReader::read(data, box->document()).ok;
    if (path.endsWith(QLatin1String(".md")))
        box->setMarkdown(QString::fromUtf8(data));
    else
        box->setHtml(QString::fromUtf8(data));
    return true;
}

} // namespace

struct PageBuilder::Context {
    PageWindow *window = nullptr;
    ActiveResize *scaling = nullptr;
    int autoName = 0;
    QString nextName(const QString &prefix) { return prefix + QString::number(++autoName); }
};

PageBuilder::PageBuilder(PageNavigator &navigator)
    : m_navigator(navigator)
{
}

PageWindow *PageBuilder::build(const PageDesign &design) const
{
    auto *window = new PageWindow(design);
    const QJsonObject &json = design.json();
    const QSize client = twips::toPixels(design.clientTwips());
    window->resize(client);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, design.background());
    window->setPalette(p);
    window->setAutoFillBackground(true);

    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::CustomizeWindowHint;
    if (!design.fixedSize()) {
        flags |= Qt::WindowMinimizeButtonHint;
        if (design.hasMaximizeButton())
            flags |= Qt::WindowMaximizeButtonHint;
    }
    window->setWindowFlags(flags);
    if (design.fixedSize())
        window->setFixedSize(client);

    Context context;
    context.window = window;
    if (design.scales())
        context.scaling = new ActiveResize(window, client);

    QWidget *parent = window;
    if (design.contentFrameDelay() > 0) {
        auto *frame = new QFrame(window);
        frame->setObjectName(QStringLiteral("fraResize"));
        frame->setGeometry(twips::toPixels(QRect(0, 0, design.clientTwips().width() - 45, design.clientTwips().height() - 45)));
        frame->setFrameShape(QFrame::NoFrame);
        window->setContentFrame(frame);
        if (context.scaling)
            context.scaling->track(frame);
        parent = frame;
    }

    if (json.value(QLatin1String("template")).toString() == QLatin1String("article")) {
        auto *shape = new ShapeWidget(olive, 2, QColor(), parent);
        shape->setObjectName(QStringLiteral("Shape1"));
        shape->setGeometry(twips::toPixels(QRect(90, 90, 11715, design.clientTwips().height() - 90 - frameBottomMargin)));
        if (context.scaling)
            context.scaling->track(shape);
        const QString heading = json.value(QLatin1String("heading")).toString();
        if (!heading.isEmpty()) {
            const QJsonObject h{{QStringLiteral("name"), QStringLiteral("lblHeading")},
                                {QStringLiteral("text"), heading},
                                {QStringLiteral("style"), QStringLiteral("heading")},
                                {QStringLiteral("align"), json.value(QLatin1String("headingAlign")).toString(QStringLiteral("center"))}};
            const TextStyle style = textStyle(QStringLiteral("heading"));
            const int height = wrappedHeight(fontFromJson(h, style), heading, twips::toPixels(articleWidth), alignmentFromJson(h));
            QJsonObject placed = h;
            placed.insert(QLatin1String("rect"), QJsonArray{articleLeft, 240, articleWidth, (height + 1) * twips::perPixel});
            createControl(placed, parent, context);
        }
    }
    createControls(json.value(QLatin1String("controls")).toArray(), parent, context);
    const QJsonArray flows = json.value(QLatin1String("flows")).toArray();
    for (const QJsonValue &flow : flows)
        layoutFlow(flow.toObject(), parent, context);
    addNavigationRow(json.value(QLatin1String("nav")).toArray(), parent, context);

    checkTextKeepsClear(*window);
    if (context.scaling)
        window->setScaling(context.scaling);
    return window;
}

void PageBuilder::checkTextKeepsClear(PageWindow &window) const
{
    // A paragraph that fills its box to the last pixel reads as one with the
    // text under it: wrapped text must end a little above the next label below.
    constexpr int clearance = 3; // pixels
    QList<QWidget *> placed;
    for (QWidget *w : window.contentParent()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(&window) && !qobject_cast<ShapeWidget *>(w) && !qobject_cast<LineWidget *>(w))
            placed.append(w);
    }
    for (QWidget *w : std::as_const(placed)) {
        auto *label = qobject_cast<QLabel *>(w);
        if (!label || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        const QRect r = label->geometry();
        const int textHeight = wrappedHeight(label->font(), label->text(), r.width() - 2 * label->frameWidth(), label->alignment());
        if (textHeight < 2 * QFontMetrics(label->font()).lineSpacing())
            continue; // one line: stacked captions are set close on purpose
        const int textBottom = r.top() + label->frameWidth() + textHeight;
        for (QWidget *other : std::as_const(placed)) {
            auto *below = qobject_cast<QLabel *>(other);
            if (!below || below->text().isEmpty())
                continue;
            const QRect o = other->geometry();
            if (other == w || o.top() <= r.top() || o.top() > r.bottom() + clearance || o.right() < r.left() || o.left() > r.right())
                continue;
            if (o.top() - textBottom < clearance)
                window.addDiagnostic(QStringLiteral("%1: its text runs into %2").arg(label->objectName(), other->objectName()));
        }
    }
}

QWidget *PageBuilder::addControl(PageWindow &window, const QJsonObject &control) const
{
    Context context;
    context.window = &window;
    context.scaling = window.scaling();
    QWidget *w = createControl(control, window.contentParent(), context);
    if (w && context.scaling && window.size() != twips::toPixels(window.design().clientTwips()))
        context.scaling->rescale();
    return w;
}

void PageBuilder::createControls(const QJsonArray &controls, QWidget *parent, Context &context) const
{
    for (const QJsonValue &value : controls)
        createControl(value.toObject(), parent, context);
}

QWidget *PageBuilder::createControl(const QJsonObject &c, QWidget *parent, Context &context) const
{
    const QString type = c.value(QLatin1String("type")).toString(QStringLiteral("label"));
    const QString text = c.value(QLatin1String("text")).toString();
    const TextStyle style = textStyle(c.value(QLatin1String("style")).toString(type == QLatin1String("link") ? QStringLiteral("link") : QString()));
    const QColor colour = colourFromJson(c.value(QLatin1String("color")), style.colour);
    const QColor back = colourFromJson(c.value(QLatin1String("back")), QColor());
    QWidget *w = nullptr;

    if (type == QLatin1String("label") || type == QLatin1String("link")) {
        QLabel *label = type == QLatin1String("link") ? new LinkLabel(text, parent) : new QLabel(text, parent);
        label->setWordWrap(c.value(QLatin1String("wrap")).toBool(true));
        label->setAlignment(alignmentFromJson(c));
        label->setTextFormat(Qt::PlainText);
        if (c.value(QLatin1String("border")).toBool())
            label->setFrameShape(QFrame::Box);
        setColours(label, colour, back);
        if (type == QLatin1String("link") && c.value(QLatin1String("cursor")).toString() != QLatin1String("arrow"))
            label->setCursor(Qt::PointingHandCursor);
        w = label;
    } else if (type == QLatin1String("button")) {
        auto *button = new QPushButton(text, parent);
        button->setStyleSheet(buttonStyleSheet(colourFromJson(c.value(QLatin1String("back")), QColor(224, 224, 224))));
        button->setAutoDefault(false);
        w = button;
    } else if (type == QLatin1String("frame")) {
        if (text.isEmpty()) {
            auto *frame = new QFrame(parent);
            frame->setFrameShape(c.value(QLatin1String("border")).toBool() ? QFrame::Box : QFrame::NoFrame);
            w = frame;
        } else {
            auto *box = new QGroupBox(text, parent);
            box->setFlat(!c.value(QLatin1String("border")).toBool(true));
            w = box;
        }
        setColours(w, colour, back);
    } else if (type == QLatin1String("shape")) {
        w = new ShapeWidget(colourFromJson(c.value(QLatin1String("borderColor")), Qt::black),
                            c.value(QLatin1String("borderWidth")).toInt(1), back, parent);
    } else if (type == QLatin1String("line")) {
        const QJsonArray from = c.value(QLatin1String("from")).toArray();
        const QJsonArray to = c.value(QLatin1String("to")).toArray();
        const QPoint a(from.at(0).toInt(), from.at(1).toInt()), b(to.at(0).toInt(), to.at(1).toInt());
        const int widthPx = c.value(QLatin1String("width")).toInt(1);
        using D = LineWidget::Direction;
        const D dir = a.y() == b.y() ? D::Horizontal : a.x() == b.x() ? D::Vertical
                     : ((b.x() - a.x()) * (b.y() - a.y()) > 0 ? D::Falling : D::Rising);
        w = new LineWidget(dir, colourFromJson(c.value(QLatin1String("color")), Qt::black), widthPx, parent);
        QRect r = twips::toPixels(QRect(a, b).normalized());
        if (dir == D::Horizontal)
            r.setHeight(widthPx);
        if (dir == D::Vertical)
            r.setWidth(widthPx);
        w->setGeometry(r);
    } else if (type == QLatin1String("picture")) {
        auto *picture = new PictureBox(c.value(QLatin1String("src")).toString(), c.value(QLatin1String("border")).toBool(), parent);
        if (!picture->isValid())
            context.window->addDiagnostic(QStringLiteral("%1: picture %2 cannot be read")
                                              .arg(c.value(QLatin1String("name")).toString(), c.value(QLatin1String("src")).toString()));
        w = picture;
    } else if (type == QLatin1String("text")) {
        if (c.value(QLatin1String("multiline")).toBool()) {
            auto *edit = new TextBox(parent);
            edit->setText(text);
            edit->setVerticalScrollBarPolicy(c.value(QLatin1String("scrollbar")).toBool() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
            w = edit;
        } else {
            auto *line = new QLineEdit(text, parent);
            line->setAlignment(alignmentFromJson(c) & Qt::AlignHorizontal_Mask);
            w = line;
        }
        setColours(w, colour, back.isValid() ? back : QColor(Qt::white));
    } else if (type == QLatin1String("richtext")) {
        QTextEdit *box = nullptr;
        if (c.value(QLatin1String("readOnly")).toBool(true)) {
            auto *browser = new QTextBrowser(parent);
            browser->setOpenLinks(false);
            QObject::connect(browser, &QTextBrowser::anchorClicked, browser, [](const QUrl &url) { Shell::openUrl(url); });
            box = browser;
        } else {
            // A box the reader writes in follows no links.
            box = new QTextEdit(parent);
        }
        if (!loadDocument(box, c))
            context.window->addDiagnostic(QStringLiteral("%1: document cannot be read").arg(c.value(QLatin1String("name")).toString()));
        w = box;
    } else if (type == QLatin1String("list")) {
        auto *list = new QListWidget(parent);
        const QJsonArray items = c.value(QLatin1String("items")).toArray();
        for (const QJsonValue &item : items)
            list->addItem(item.toString());
        w = list;
    } else if (type == QLatin1String("check")) {
        auto *check = new QCheckBox(text, parent);
        check->setChecked(c.value(QLatin1String("checked")).toBool(false));
        setColours(check, colour, back);
        w = check;
    } else {
        context.window->addDiagnostic(QStringLiteral("unknown control type \"%1\"").arg(type));
        return nullptr;
    }

    const QString name = c.value(QLatin1String("name")).toString();
    w->setObjectName(name.isEmpty() ? context.nextName(QStringLiteral("Label")) : name);
    if (type != QLatin1String("line"))
        w->setGeometry(twips::toPixels(rectFromJson(c.value(QLatin1String("rect")))));
    w->setFont(fontFromJson(c, style));
    if (c.contains(QLatin1String("tooltip")))
        w->setToolTip(c.value(QLatin1String("tooltip")).toString());
    if (!c.value(QLatin1String("visible")).toBool(true))
        w->setVisible(false);
    if (context.scaling)
        context.scaling->track(w, type == QLatin1String("picture"));
    else if (c.value(QLatin1String("fill")).toBool())
        new FillsWindow(w, context.window);
    createControls(c.value(QLatin1String("children")).toArray(), w, context);
    connectOperation(w, c, context);
    checkTextFits(w, context);
    return w;
}

void PageBuilder::checkTextFits(QWidget *control, Context &context) const
{
    auto *label = qobject_cast<QLabel *>(control);
    const QSize client = twips::toPixels(context.window->design().clientTwips());
    const QRect r = control->geometry();
    if (control->parentWidget() == context.window->contentParent()
        && (r.right() >= client.width() + 1 || r.bottom() >= client.height() + 1)
        && control->isVisibleTo(context.window)) {
        context.window->addDiagnostic(QStringLiteral("%1 reaches outside the design area").arg(control->objectName()));
    }
    if (!label || label->text().isEmpty())
        return;
    const int needed = wrappedHeight(label->font(), label->text(), r.width() - 2 * label->frameWidth(), label->alignment());
    if (needed > r.height() + 1)
        context.window->addDiagnostic(QStringLiteral("%1: text needs %2 px, its box is %3 px high")
                                          .arg(control->objectName())
                                          .arg(needed)
                                          .arg(r.height()));
}

void PageBuilder::layoutFlow(const QJsonObject &flow, QWidget *parent, Context &context) const
{
    const PageDesign &design = context.window->design();
    const bool article = design.json().value(QLatin1String("template")).toString() == QLatin1String("article");
    QRect area = rectFromJson(flow.value(QLatin1String("rect")));
    if (area.isNull()) {
        // Below the heading, across the page, down to the button row.
        int top = 600;
        if (auto *heading = context.window->control<QLabel>(QStringLiteral("lblHeading")))
            top = (heading->geometry().bottom() + 1) * twips::perPixel + 120;
        const int bottom = design.clientTwips().height() - (article ? articleBottomMargin : 150);
        area = QRect(articleLeft, top, articleWidth, bottom - top);
    }
    int y = area.top();
    QList<ActiveResize::FlowBlock> placed;
    const QJsonArray blocks = flow.value(QLatin1String("blocks")).toArray();
    for (const QJsonValue &value : blocks) {
        QJsonObject block = value.toObject();
        const int space = block.value(QLatin1String("space")).toInt(-1);
        if (block.size() == 1 && space >= 0) {
            y += space;
            continue;
        }
        if (block.contains(QLatin1String("picture"))) {
            const QJsonArray size = block.value(QLatin1String("size")).toArray();
            const int w = size.at(0).toInt(area.width()), h = size.at(1).toInt(1500);
            const QString align = block.value(QLatin1String("align")).toString();
            const int x = align == QLatin1String("center") ? area.left() + (area.width() - w) / 2
                        : align == QLatin1String("right") ? area.right() + 1 - w : area.left();
            block.insert(QLatin1String("type"), QStringLiteral("picture"));
            block.insert(QLatin1String("src"), block.value(QLatin1String("picture")));
            block.insert(QLatin1String("rect"), QJsonArray{x, y, w, h});
            if (QWidget *picture = createControl(block, parent, context))
                placed.append(ActiveResize::FlowBlock{picture, {}});
            y += h + (space >= 0 ? space : 120);
            continue;
        }
        if (block.contains(QLatin1String("evidence"))) {
            y += addEvidenceBox(block.value(QLatin1String("evidence")).toObject(), QRect(area.left(), y, area.width(), 0), parent, context,
                                placed);
            y += space >= 0 ? space : 150;
            continue;
        }
        if (block.contains(QLatin1String("rule"))) {
            block.insert(QLatin1String("type"), QStringLiteral("line"));
            block.insert(QLatin1String("from"), QJsonArray{area.left(), y + 45});
            block.insert(QLatin1String("to"), QJsonArray{area.right() + 1, y + 45});
            block.insert(QLatin1String("color"), block.value(QLatin1String("color")).isArray() ? block.value(QLatin1String("color")) : QJsonArray{128, 128, 0});
            if (QWidget *rule = createControl(block, parent, context))
                placed.append(ActiveResize::FlowBlock{rule, {}});
            y += space >= 0 ? space : 120;
            continue;
        }
        const QString styleName = block.value(QLatin1String("style")).toString(QStringLiteral("body"));
        const TextStyle style = textStyle(styleName);
        const int indent = block.value(QLatin1String("indent")).toInt(0);
        const int width = area.width() - indent;
        const QFont font = fontFromJson(block, style);
        const int height = wrappedHeight(font, block.value(QLatin1String("text")).toString(), twips::toPixels(width), alignmentFromJson(block))
                         * twips::perPixel;
        block.insert(QLatin1String("type"), style.link ? QStringLiteral("link") : QStringLiteral("label"));
        block.insert(QLatin1String("style"), styleName);
        block.insert(QLatin1String("rect"), QJsonArray{area.left() + indent, y, width, height + twips::perPixel});
        if (QWidget *w = createControl(block, parent, context)) {
            // A link's clickable area ends with its text.
            if (style.link)
                w->resize(qMin(w->width(), QFontMetrics(font).horizontalAdvance(block.value(QLatin1String("text")).toString()) + 2), w->height());
            placed.append({w, [](const QWidget *label, int width) {
                               const auto *l = static_cast<const QLabel *>(label);
                               return wrappedHeight(l->font(), l->text(), width, l->alignment()) + 1;
                           }});
        }
        y += height + twips::perPixel + (space >= 0 ? space : style.spaceAfter);
    }
    if (context.scaling && !placed.isEmpty())
        context.scaling->trackFlow(twips::toPixels(area), placed);
    if (y > area.bottom() + 1 + 90) // the last block's spacing may run into the margin
        context.window->addDiagnostic(QStringLiteral("text flow overflows its area by %1 twips").arg(y - area.bottom() - 1 - 90));
}

int PageBuilder::addEvidenceBox(const QJsonObject &evidence, const QRect &place, QWidget *parent, Context &context,
                                QList<ActiveResize::FlowBlock> &flow) const
{
    QString problem;
    const QString html = evidenceHtml(evidence, &problem);
    if (html.isEmpty()) {
        context.window->addDiagnostic(problem);
        return 0;
    }
    // A tinted panel whose height follows its text.
    constexpr int padding = 6; // pixels inside the border
    QFont font(defaultFamily);
    font.setPixelSize(twips::fontPixels(10.5));
    auto heightAt = [](const QWidget *panel, int width) {
        const auto *label = static_cast<const QLabel *>(panel);
        QTextDocument measure;
        measure.setDocumentMargin(0);
        measure.setDefaultFont(label->font());
        measure.setHtml(label->text());
        measure.setTextWidth(width - 2 * padding - 2);
        return qCeil(measure.size().height()) + 2 * padding + 2;
    };

    auto *box = new QLabel(parent);
    box->setObjectName(QStringLiteral("lblEvidence"));
    box->setTextFormat(Qt::RichText);
    box->setWordWrap(true);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setText(html);
    box->setFont(font);
    const int heightPixels = heightAt(box, twips::toPixels(place.width()));
    box->setMargin(padding);
    box->setStyleSheet(QStringLiteral("QLabel { background-color: #f1f5e1; color: #1a1a1a; border: 1px solid #808000; }"));
    box->setGeometry(twips::toPixels(QRect(place.left(), place.top(), place.width(), 0)).adjusted(0, 0, 0, heightPixels));
    box->setAccessibleName(QStringLiteral("At a glance"));
    if (context.scaling)
        context.scaling->track(box);
    flow.append({box, heightAt});
    return heightPixels * twips::perPixel;
}

void PageBuilder::addNavigationRow(const QJsonArray &buttons, QWidget *parent, Context &context) const
{
    // Laid out from the right edge leftwards; the last button of the list sits at the far right.
    int right = navigationRight;
    for (qsizetype i = buttons.size() - 1; i >= 0; --i) {
        QJsonObject b = buttons.at(i).toObject();
        const QString text = b.value(QLatin1String("text")).toString();
        const bool arrow = text == QLatin1String("<") || text == QLatin1String(">");
        int width = arrow ? 495 : text == QLatin1String("Close") ? 750 : text == QLatin1String("Print") ? 795 : 0;
        QFont font(defaultFamily);
        font.setPixelSize(twips::fontPixels(arrow ? 12 : 11.25));
        font.setBold(arrow);
        if (width == 0)
            width = QFontMetrics(font).horizontalAdvance(text) * twips::perPixel + 360;
        b.insert(QLatin1String("type"), QStringLiteral("button"));
        const int top = context.window->design().clientTwips().height() - navigationBottomMargin;
        b.insert(QLatin1String("rect"), QJsonArray{right - width, top, width, navigationHeight});
        b.insert(QLatin1String("back"), QJsonArray{255, 255, 255});
        if (!b.contains(QLatin1String("font")))
            b.insert(QLatin1String("font"), QJsonObject{{QStringLiteral("size"), arrow ? 12 : 11.25}, {QStringLiteral("bold"), arrow}});
        createControl(b, parent, context);
        right -= width + navigationGap;
    }
}

void PageBuilder::connectOperation(QWidget *control, const QJsonObject &c, Context &context) const
{
    const QString op = c.value(QLatin1String("op")).toString();
    if (op.isEmpty())
        return;
    PageWindow *window = context.window;
    PageNavigator *nav = &m_navigator;
    const QString target = c.value(QLatin1String("target")).toString();
    std::function<void()> action;
    if (op == QLatin1String("open")) {
        action = [nav, target] { nav->openPage(target); };
    } else if (op == QLatin1String("replace")) {
        action = [nav, target, window] { nav->replacePage(target, window->pageId()); };
    } else if (op == QLatin1String("close")) {
        action = [nav, window] { nav->closePage(window->pageId()); };
    } else if (op == QLatin1String("closeSet")) {
        QStringList set;
        for (const QJsonValue &v : c.value(QLatin1String("targets")).toArray())
            set.append(v.toString());
        action = [nav, window, set] { nav->closePageSet(window->pageId(), set); };
    } else if (op == QLatin1String("print")) {
        action = [nav, window] { nav->printPage(window); };
    } else if (op == QLatin1String("panel")) {
        QStringList show, hide;
        for (const QJsonValue &v : c.value(QLatin1String("show")).toArray())
            show.append(v.toString());
        for (const QJsonValue &v : c.value(QLatin1String("hide")).toArray())
            hide.append(v.toString());
        action = [window, show, hide] {
            // A panel opens on top of the page's text, whatever was built after it.
            for (const QString &name : show)
                if (QWidget *w = window->control(name)) {
                    w->show();
                    w->raise();
                }
            for (const QString &name : hide)
                if (QWidget *w = window->control(name))
                    w->hide();
        };
    } else if (op == QLatin1String("url")) {
        const QUrl url(c.value(QLatin1String("url")).toString());
        action = [url] { Shell::openUrl(url); };
    } else {
        window->addDiagnostic(QStringLiteral("%1: unknown operation \"%2\"").arg(control->objectName(), op));
        return;
    }
    if (auto *button = qobject_cast<QPushButton *>(control))
        QObject::connect(button, &QPushButton::clicked, window, action);
    else if (auto *link = qobject_cast<LinkLabel *>(control))
        QObject::connect(link, &LinkLabel::clicked, window, action);
    else
        window->addDiagnostic(QStringLiteral("%1 cannot be clicked").arg(control->objectName()));
}

QStringList PageBuilder::targets(const QJsonObject &designJson)
{
    QStringList result;
    std::function<void(const QJsonValue &)> walk = [&](const QJsonValue &v) {
        if (v.isArray()) {
            for (const QJsonValue &item : v.toArray())
                walk(item);
        } else if (v.isObject()) {
            const QJsonObject o = v.toObject();
            if (o.contains(QLatin1String("target")))
                result.append(o.value(QLatin1String("target")).toString());
            for (const QJsonValue &t : o.value(QLatin1String("targets")).toArray())
                result.append(t.toString());
            for (auto it = o.begin(); it != o.end(); ++it)
                if (it.key() != QLatin1String("targets"))
                    walk(it.value());
        }
    };
    walk(designJson);
    return result;
}

} // namespace halvora
