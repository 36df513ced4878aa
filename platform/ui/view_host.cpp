#include "platform/ui/view_host.h"

#include "platform/ui/view.h"

namespace ui {

ViewHost::ViewHost(QWidget* parent)
    : QWidget(parent)
{}

ViewHost::~ViewHost()
{
    SetView(nullptr);
}

View* ViewHost::SetView(View* view)
{
    View* old = view_.get();
    if (old == view)
        return nullptr;
    if (old)
        old->host_ = nullptr;
    if (view) {
        if (view->host_)
            view->host_->SetView(nullptr);
        view->host_ = this;
    }
    view_.reset(view);
    return old;
}

bool ViewHost::event(QEvent* e)
{
    if (View* view = view_.get(); view && view->OnEvent(*e))
        return true;
    return QWidget::event(e);
}

} // namespace ui
