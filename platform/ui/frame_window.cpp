#include "platform/ui/frame_window.h"

#include "platform/ui/frame.h"

#include <QCloseEvent>

namespace ui {

FrameWindow::FrameWindow(Frame& frame, QWidget* parent)
    : QMainWindow(parent)
    , frame_(&frame)
{
    // A main window is a window of its own unless told otherwise; a child
    // frame's lies inside its multi-document window.
    if (parent)
        setWindowFlags(Qt::Widget);
}

void FrameWindow::closeEvent(QCloseEvent* e)
{
    // The frame decides, and hides or destroys the window itself.
    e->ignore();
    if (frame_ && isWindow())
        frame_->OnClose();
}

ChildFrameWindow::ChildFrameWindow(Frame& frame)
    : frame_(&frame)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ChildFrameWindow::closeEvent(QCloseEvent* e)
{
    e->ignore();
    if (!frame_)
        return;
    inCloseEvent_ = true;
    QPointer<ChildFrameWindow> self(this);
    frame_->OnClose();
    if (self)
        inCloseEvent_ = false;
}

Frame* FrameOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (auto* window = dynamic_cast<const FrameWindow*>(widget))
            return window->GetFrame();
    return nullptr;
}

} // namespace ui
