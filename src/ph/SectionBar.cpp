#include "SectionBar.h"

#include "ActiveResize.h"
#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "Twips.h"

#include <QPushButton>

namespace halvora::ph {

namespace {

struct BarButton {
    const char *caption;
    const char *name;
    const char *target;
    int left;  // twips
    int width; // twips
};

constexpr int barHeight = 375;

constexpr BarButton buttons[] = {
    {"Acid-Base Balance", "cmdBalance", "frmAcidBase", 0, 1950},
    {"pH Scale", "cmdScale", "frmScale", 1950, 1590},
    {"Alkaline/Acid Food", "cmdAcidFood", "frmAlkalineAcid", 3540, 1950},
    {"pH Testing", "cmdTesting", "frmTesting", 5490, 1590},
    {"pH Control", "cmdControl", "frmControl", 7080, 1590},
    {"Glossary", "cmdGlossary", "frmGlossaryPH", 8670, 1590},
    {"Summary", "cmdSummary", "frmSummary", 10260, 1590},
};

// The page whose bar button counts as the page's own. The second page of the
// testing chain shares its button with the first; the readings sheet's
// testing button does nothing at all.
QString ownTarget(const QString &pageId)
{
    if (pageId == QLatin1String("frmTesting3") || pageId == QLatin1String("frmTesting5"))
        return QStringLiteral("frmTesting");
    return pageId;
}

const QString readingsSheet = QStringLiteral("frmTesting5");

} // namespace

bool SectionBar::isOn(const QString &pageId)
{
    const QString own = ownTarget(pageId);
    for (const BarButton &b : buttons) {
        if (own == QLatin1String(b.target))
            return true;
    }
    return false;
}

void SectionBar::install(PageWindow &page, PageNavigator &navigator)
{
    const QString pageId = page.pageId();
    const QString own = ownTarget(pageId);
    QWidget *parent = page.contentParent();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(twips::fontPixels(11.25));

    for (const BarButton &b : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(b.caption), parent);
        QString name = QString::fromLatin1(b.name);
        // The pH control page calls its first button after the page it opens.
        if (pageId == QLatin1String("frmControl") && name == QLatin1String("cmdBalance"))
            name = QStringLiteral("cmdAcidBase");
        button->setObjectName(name);
        button->setGeometry(twips::toPixels(QRect(b.left, 0, b.width, barHeight)));
        button->setFont(font);
        button->setAutoDefault(false);
        const QString target = QString::fromLatin1(b.target);
        // The section the reader is in stands out from the others.
        const bool current = target == own;
        button->setStyleSheet(current ? QStringLiteral("QPushButton { background-color: #004000; color: #ffffff; font-weight: bold;"
                                                       " border: 1px solid #004000; }")
                                      : QStringLiteral("QPushButton { background-color: #ffffff; color: #000000; border: 1px solid #808080; }"
                                                       "QPushButton:pressed { background-color: #dcdcdc; }"));
        if (current)
            button->setAccessibleDescription(QStringLiteral("This section is open"));
        button->show();
        if (ActiveResize *scaling = page.scaling())
            scaling->track(button);

        if (!current) {
            QObject::connect(button, &QPushButton::clicked, &page, [&navigator, target, pageId] {
                navigator.replacePage(target, pageId);
            });
        } else if (pageId != readingsSheet) {
            QObject::connect(button, &QPushButton::clicked, &page, [&page] { MessageBox::show(&page, alreadyOpen); });
        }
    }
    // Controls added after the window took its size follow it at once.
    if (ActiveResize *scaling = page.scaling(); scaling && page.size() != twips::toPixels(page.design().clientTwips()))
        scaling->rescale();
}

} // namespace halvora::ph
