#pragma once

#include <QScreen>
#include <QWidget>

// Centred on its screen, give or take the few pixels of a window frame that the
// platform adds once the window is shown.
inline bool nearlyCentred(const QWidget *window)
{
    const QPoint offset = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3;
}
