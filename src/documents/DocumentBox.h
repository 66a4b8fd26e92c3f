#pragma once

#include <QString>

class QMenuBar;
class QTextEdit;

namespace halvora {

class PageWindow;

namespace documents {

// Shows a rich-text document file in a box: the box is emptied first, so a
// missing, unreadable, oversized or invalid file leaves it empty, silently;
// a document that reads is shown from its top.
void openDocument(QTextEdit *box, const QString &path);

// A window that is one document box under a menu bar: the box fills the
// rest of the window at any size.
void fillUnderMenuBar(PageWindow &page, QTextEdit *box, QMenuBar *menuBar);

} // namespace documents
} // namespace halvora
