#include "PhPages.h"

#include "ActiveResize.h"
#include "DeleteLogDialog.h"
#include "PageNavigator.h"
#include "PhScaleDiagram.h"
#include "ReadingsSheet.h"
#include "SaveLogDialog.h"
#include "SectionBar.h"
#include "Twips.h"

namespace halvora::ph {

namespace {

const QString scalePage = QStringLiteral("frmScale");
// Below the section bar, across the page.
const QRect scaleDiagramTwips(120, 420, 11640, 7520);

void addScaleDiagram(PageWindow &page)
{
    auto *diagram = new PhScaleDiagram(page.contentParent());
    diagram->setGeometry(twips::toPixels(scaleDiagramTwips));
    diagram->show();
    if (ActiveResize *scaling = page.scaling()) {
        scaling->track(diagram, true);
        if (page.size() != twips::toPixels(page.design().clientTwips()))
            scaling->rescale();
    }
}

} // namespace

void registerPages(PageNavigator &navigator)
{
    for (const char *id : {"frmAcidBase", "frmScale", "frmAlkalineAcid", "frmTesting", "frmTesting3", "frmControl",
                           "frmGlossaryPH", "frmSummary"}) {
        navigator.addBehaviour(QString::fromLatin1(id), [&navigator](PageWindow &page) { SectionBar::install(page, navigator); });
    }
    navigator.addBehaviour(scalePage, [](PageWindow &page) { addScaleDiagram(page); });
    navigator.addBehaviour(ReadingsSheet::pageId, [&navigator](PageWindow &page) { new ReadingsSheet(page, navigator); });
    navigator.addBehaviour(SaveLogDialog::pageId, [&navigator](PageWindow &page) { SaveLogDialog::attach(page, navigator); });
    navigator.addBehaviour(DeleteLogDialog::pageId, [&navigator](PageWindow &page) { DeleteLogDialog::attach(page, navigator); });
}

} // namespace halvora::ph
