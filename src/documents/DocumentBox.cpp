#include "DocumentBox.h"

#include "PageWindow.h"
#include "SafeFile.h"
#include "rtf/RtfReader.h"

#include <QMenuBar>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace halvora::documents {

void openDocument(QTextEdit *box, const QString &path)
{
    if (!box)
        return;
    box->clear();
    box->document()->setDocumentMargin(8);
    const BoundedRead file = readBounded(path, FileLimit::document);
    if (file.ok())
        RtfReader::read(file.bytes, box->document()); // a document that fails to read is left empty
    box->moveCursor(QTextCursor::Start);
    box->verticalScrollBar()->setValue(0);
}

void fillUnderMenuBar(PageWindow &page, QTextEdit *box, QMenuBar *menuBar)
{
    if (!box || !menuBar)
        return;
    auto *layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(box);
    // The design size is the area under the menu bar.
    const int height = menuBar->sizeHint().height();
    page.resize(page.width(), page.height() + height);
    page.move(page.x(), page.y() - height / 2);
}

} // namespace halvora::documents
