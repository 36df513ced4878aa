#include "platform/ui/frame.h"

#include "platform/text/cp1252.h"
#include "platform/ui/document.h"
#include "platform/ui/frame_window.h"
#include "platform/ui/view.h"

#include <stdexcept>

namespace ui {

Frame::Frame() = default;

Frame::~Frame()
{
    // The client, and with it the views of its panes, goes at once; a child
    // window whose close box is being handled goes once that is done.
    if (window_) {
        window_->Detach();
        delete window_.data();
    }
    if (child_) {
        child_->Detach();
        if (child_->InCloseEvent())
            child_->deleteLater();
        else
            delete child_.data();
    }
}

Document* Frame::GetActiveDocument() const
{
    View* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void Frame::SetActiveView(View* view)
{
    View* old = activeView_.get();
    if (old == view)
        return;
    activeView_.reset(view);
    TargetPtr<View> incoming(view);
    if (old)
        old->OnActivateView(false, view, old);
    if (View* now = incoming.get(); now && activeView_.get() == now)
        now->OnActivateView(true, now, old);
}

QMainWindow* Frame::GetWindow() const
{
    return window_.data();
}

QWidget* Frame::OuterWindow() const
{
    if (child_)
        return child_.data();
    return window_.data();
}

void Frame::SetClient(QWidget* client)
{
    if (!window_)
        throw std::logic_error("the frame has no window yet");
    window_->setCentralWidget(client);
}

void Frame::SetTitle(std::string_view cp1252)
{
    title_ = cp1252;
    OnUpdateFrameTitle();
}

void Frame::OnUpdateFrameTitle()
{
    Document* doc = GetActiveDocument();
    QString title = text::ToQString(doc ? doc->GetTitle() : title_);
    if (QWidget* outer = OuterWindow())
        outer->setWindowTitle(title);
    if (main_)
        main_->OnUpdateFrameTitle();
}

void Frame::OnMDIActivate(bool, Frame*, Frame*)
{}

bool Frame::OnClose()
{
    Document* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(*this))
        return false;
    if (main_)
        main_->DestroyChild(*this);
    return true;
}

void Frame::ShowWindow(ShowCmd cmd)
{
    if (QWidget* outer = OuterWindow())
        ui::ShowWindow(*outer, cmd);
}

bool Frame::IsIconic() const
{
    QWidget* outer = OuterWindow();
    return outer && outer->isMinimized();
}

bool Frame::IsZoomed() const
{
    QWidget* outer = OuterWindow();
    return outer && outer->isMaximized();
}

WindowPlacement Frame::GetPlacement() const
{
    QWidget* outer = OuterWindow();
    if (!outer)
        throw std::logic_error("the frame has no window yet");
    return GetWindowPlacement(*outer);
}

void Frame::SetPlacement(const WindowPlacement& placement)
{
    QWidget* outer = OuterWindow();
    if (!outer)
        throw std::logic_error("the frame has no window yet");
    SetWindowPlacement(*outer, placement);
}

bool Frame::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    if (View* view = GetActiveView(); view && view->OnCmdMsg(id, code, cmdUI))
        return true;
    return HandleOwn(id, code, cmdUI);
}

} // namespace ui
