// What an in-place editor's site asks of the base view: the area to
// repaint once the editor has gone.
#include "forms/app/views/fbaseview.h"

#include <QWidget>

void FBASEVIEW::SetEditRepaintRect(const RECT& screen)
{
    QWidget* window = GetWindow();
    if (!window)
        return;
    const QPoint topLeft = window->mapFromGlobal(QPoint(screen.left, screen.top));
    const QPoint bottomRight = window->mapFromGlobal(QPoint(screen.right, screen.bottom));
    editRepaintRect = RECT {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
    // The paint comes from the event loop, once the editor window is gone.
    InvalidateRect(editRepaintRect, true);
}
