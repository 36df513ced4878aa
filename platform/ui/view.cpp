#include "platform/ui/view.h"

#include "platform/ui/document.h"
#include "platform/ui/frame_window.h"
#include "platform/ui/view_host.h"

namespace ui {

View::~View()
{
    if (host_)
        host_->SetView(nullptr);
    SetDocument(nullptr);
}

QWidget* View::GetWindow() const
{
    return host_;
}

Frame* View::GetParentFrame() const
{
    return FrameOf(host_);
}

bool View::OnEvent(QEvent&)
{
    return false;
}

void View::OnActivateView(bool, View*, View*)
{}

void View::OnScroll(Qt::Orientation, int)
{}

void View::SetDocument(Document* document)
{
    if (document_)
        std::erase(document_->views_, this);
    document_ = document;
    if (document_)
        document_->views_.push_back(this);
}

bool View::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    if (HandleOwn(id, code, cmdUI))
        return true;
    return document_ && document_->OnCmdMsg(id, code, cmdUI);
}

} // namespace ui
