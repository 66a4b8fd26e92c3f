#include "CancerPage.h"

#include "Banner.h"
#include "Controls.h"
#include "DocumentBox.h"
#include "MessageBox.h"
#include "PageWindow.h"
#include "ProgramFolder.h"

#include <QTextEdit>

#include <new>

namespace halvora::documents {

void CancerPage::guardMemory(QWidget *page, const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::bad_alloc &) {
        MessageBox::show(page, memoryMessage);
    }
}

void CancerPage::load(PageWindow &page, const ProgramFolder &folder)
{
    Banner *banner = nullptr;
    guardMemory(&page, [&page, &folder, &banner] {
        auto *box = page.control<QTextEdit>(QStringLiteral("rtfCancer"));
        QWidget *picture = page.control(QStringLiteral("picCancer"));
        for (const DocumentLink &link : links) {
            auto *label = page.control<LinkLabel>(QString::fromLatin1(link.label));
            if (!label)
                continue;
            const QString path = folder.filePath(QString::fromLatin1(link.file));
            QObject::connect(label, &LinkLabel::clicked, &page, [box, picture, path] {
                openDocument(box, path);
                // Once a document has been chosen the cover stays away.
                if (picture)
                    picture->hide();
            });
        }
        banner = new Banner(page.control(QStringLiteral("Picture1")), page.control<QLabel>(QStringLiteral("Label1")),
                            &page, page.scaling());
    });
    if (banner)
        banner->start();
}

} // namespace halvora::documents
