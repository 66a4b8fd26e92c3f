#pragma once

#include <QString>

class QWidget;

namespace halvora {

// Performs the whole start-up against the given program folder and returns
// the main menu, shown. Closing it ends the program.
QWidget *start(const QString &programFolder);

} // namespace halvora
