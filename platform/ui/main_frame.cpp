#include "platform/ui/frame.h"

#include "platform/text/cp1252.h"
#include "platform/ui/app.h"
#include "platform/ui/document.h"
#include "platform/ui/frame_window.h"
#include "platform/ui/view.h"

#include <QMdiArea>

#include <algorithm>
#include <stdexcept>

namespace ui {

namespace {

// True when some view of the document still lies in a frame's window.
bool IsShown(const Document& doc)
{
    return std::any_of(
        doc.Views().begin(), doc.Views().end(), [](const View* view) { return view->GetParentFrame() != nullptr; });
}

} // namespace

MainFrame::MainFrame() = default;

MainFrame::~MainFrame()
{
    if (area_)
        QObject::disconnect(area_, nullptr, nullptr, nullptr);
    children_.clear();
}

void MainFrame::Create(std::string_view titleCp1252)
{
    if (window_)
        throw std::logic_error("the main frame already has its window");
    window_ = new FrameWindow(*this, nullptr);
    area_ = new QMdiArea(window_);
    window_->setCentralWidget(area_);
    QObject::connect(
        area_, &QMdiArea::subWindowActivated, area_, [this](QMdiSubWindow* window) { OnSubWindowActivated(window); });
    SetTitle(titleCp1252);
}

Frame* MainFrame::AddChild(std::unique_ptr<Frame> child, bool maximized)
{
    if (!area_)
        throw std::logic_error("the main frame has no window yet");
    if (!child || child->OuterWindow())
        throw std::invalid_argument("a child frame needs to be new");
    Frame* frame = child.get();
    children_.push_back(std::move(child));
    frame->main_ = this;
    frame->child_ = new ChildFrameWindow(*frame);
    frame->window_ = new FrameWindow(*frame, frame->child_);
    frame->child_->setWidget(frame->window_);
    area_->addSubWindow(frame->child_);
    frame->OnUpdateFrameTitle();
    frame->ShowWindow(maximized ? ShowCmd::Maximized : ShowCmd::Show);
    SetActiveChild(frame);
    return frame;
}

std::vector<Frame*> MainFrame::GetChildren() const
{
    std::vector<Frame*> frames;
    for (const auto& child : children_)
        frames.push_back(child.get());
    return frames;
}

void MainFrame::SetActiveChild(Frame* child)
{
    if (area_ && child && child->child_) {
        area_->setActiveSubWindow(child->child_);
        // The area does not activate windows while the main window is hidden.
        if (area_->activeSubWindow() != child->child_)
            Activate(child);
        return;
    }
    Activate(child);
}

void MainFrame::OnSubWindowActivated(QMdiSubWindow* window)
{
    // Deactivation of the whole main window, or a window on its way out, is
    // no change of active child.
    if (!window)
        return;
    auto* childWindow = dynamic_cast<ChildFrameWindow*>(window);
    if (childWindow && childWindow->GetFrame())
        Activate(childWindow->GetFrame());
}

void MainFrame::Activate(Frame* child)
{
    Frame* old = activeChild_.get();
    if (old == child)
        return;
    activeChild_.reset(child);
    if (old)
        old->OnMDIActivate(false, child, old);
    if (child)
        child->OnMDIActivate(true, child, old);
    OnUpdateFrameTitle();
}

void MainFrame::DestroyChild(Frame& child)
{
    auto it = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == &child; });
    if (it == children_.end())
        return;
    Document* doc = child.GetActiveDocument();
    // The next child (in activation order) takes over before this one goes.
    if (activeChild_.get() == &child) {
        Frame* next = nullptr;
        for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::ActivationHistoryOrder)) {
            auto* childWindow = dynamic_cast<ChildFrameWindow*>(window);
            if (childWindow && childWindow->GetFrame() && childWindow->GetFrame() != &child)
                next = childWindow->GetFrame();
        }
        if (next)
            SetActiveChild(next);
        else
            Activate(nullptr);
    }
    std::unique_ptr<Frame> owned = std::move(*it);
    children_.erase(it);
    owned->child_->Detach();
    owned->child_->hide();
    area_->removeSubWindow(owned->child_);
    owned.reset();
    if (doc && !IsShown(*doc))
        doc->OnCloseDocument();
}

void MainFrame::SetMinTrackSize(QSize size)
{
    if (window_)
        window_->setMinimumSize(size);
}

void MainFrame::SetMaxTrackSize(QSize size)
{
    if (window_)
        window_->setMaximumSize(size);
}

void MainFrame::OnUpdateFrameTitle()
{
    std::string title = GetTitle();
    if (Frame* child = GetActiveChild())
        if (Document* doc = child->GetActiveDocument())
            title += " - " + doc->GetTitle();
    if (window_)
        window_->setWindowTitle(text::ToQString(title));
}

bool MainFrame::OnClose()
{
    std::vector<Document*> docs;
    for (const auto& child : children_)
        if (Document* doc = child->GetActiveDocument(); doc && std::find(docs.begin(), docs.end(), doc) == docs.end())
            docs.push_back(doc);
    for (Document* doc : docs)
        if (!doc->SaveModified())
            return false;
    while (!children_.empty())
        DestroyChild(*children_.back());
    if (window_)
        window_->hide();
    if (App* app = App::Current(); app && app->MainWnd() == this)
        app->Quit(0);
    return true;
}

bool MainFrame::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    if (Frame* child = GetActiveChild(); child && child->OnCmdMsg(id, code, cmdUI))
        return true;
    if (Frame::OnCmdMsg(id, code, cmdUI))
        return true;
    App* app = App::Current();
    return app && app->OnCmdMsg(id, code, cmdUI);
}

} // namespace ui
