#include "platform/ui/list_frame.h"

#include <QPointer>
#include <QWidget>

namespace ui {

namespace {

QRect ToQRect(const gdi::RECT& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top).normalized();
}

} // namespace

// The frame's window, unless its parent window went first.
struct ListFrame::Frame {
    QPointer<QWidget> window;
};

ListFrame::ListFrame(QWidget* parent, const gdi::RECT& rect)
    : frame_(std::make_unique<Frame>(Frame {new QWidget(parent)}))
{
    frame_->window->hide();
    frame_->window->setGeometry(ToQRect(rect));
}

ListFrame::~ListFrame()
{
    box_.reset();
    delete frame_->window.data();
}

QWidget* ListFrame::GetWidget() const
{
    return frame_->window;
}

ListBox& ListFrame::CreateListBox(int id)
{
    box_ = std::make_unique<ListBox>(frame_->window, id);
    box_->GetWidget()->setGeometry(frame_->window->rect());
    box_->SetSelChangeHandler([this] {
        if (handler_)
            handler_();
    });
    return *box_;
}

void ListFrame::DestroyListBox()
{
    box_.reset();
}

void ListFrame::SetSelChangeHandler(std::function<void()> handler)
{
    handler_ = std::move(handler);
}

void ListFrame::MoveWindow(const gdi::RECT& rect)
{
    QWidget* window = frame_->window;
    if (!window)
        return;
    window->setGeometry(ToQRect(rect));
    if (box_)
        box_->GetWidget()->setGeometry(window->rect());
}

gdi::RECT ListFrame::GetWindowRect() const
{
    const QWidget* window = frame_->window;
    if (!window)
        return {};
    const QRect g = window->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void ListFrame::ShowWindow(bool show)
{
    QWidget* window = frame_->window;
    if (!window)
        return;
    window->setVisible(show);
    if (show)
        window->raise();
}

bool ListFrame::IsWindowVisible() const
{
    return frame_->window && frame_->window->isVisible();
}

} // namespace ui
