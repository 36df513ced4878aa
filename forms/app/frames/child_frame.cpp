#include "forms/app/frames/child_frame.h"

#include "forms/app/frames/main_frame.h"

#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/fbaseview.h"

#include "platform/ui/app.h"
#include "platform/ui/document.h"
#include "platform/ui/splitter.h"

#include <QMainWindow>

#include <vector>

CChildFrame::CChildFrame(CDynViewDocTemplate& docTemplate)
    : template_(docTemplate)
{}

void CChildFrame::CreateClient(std::unique_ptr<ui::View> first)
{
    const ViewTable& views = template_.Views();
    splitter_ = new ui::Splitter(*this, std::move(first));
    splitter_->SetMinPaneSize(QSize(10, 10));
    // A new pane shows a view of the same class as the pane it was split from.
    splitter_->SetViewFactory([this, &views](ui::View& like) -> std::unique_ptr<ui::View> {
        for (int index = 0; index < kViewCount; ++index) {
            if (template_.IsViewOfIndex(like, index)) {
                std::unique_ptr<ui::View> view = views[index].viewClass->create();
                view->SetDocument(like.GetDocument());
                return view;
            }
        }
        return nullptr;
    });
    // Its first update once the pane is in place, so that it lines up with
    // the panes beside it.
    splitter_->SetPaneAdded([](ui::View& view) {
        if (auto* base = dynamic_cast<FBASEVIEW*>(&view))
            base->OnInitialUpdate();
    });
    SetClient(splitter_);
}

void CChildFrame::OnMDIActivate(bool activate, ui::Frame* activated, ui::Frame* deactivated)
{
    if (!activate) {
        if (auto* view = dynamic_cast<FBASEVIEW*>(GetActiveView()))
            view->OnFrameActivate(false, this);
        // A switch deletes the frame's active view, which may be listed too.
        std::vector<ui::TargetPtr<ui::View>> leaving;
        for (ui::Document* doc : template_.Documents())
            for (ui::View* view : doc->Views())
                if (dynamic_cast<FBASEVIEW*>(view) && !template_.IsViewOfIndex(*view, kDesignView))
                    leaving.push_back(view);
        for (const auto& view : leaving)
            if (view)
                template_.SwitchViewOf(*view.get(), kDesignView, true);
    }
    // The active view goes with its frame, as itself both the view gaining
    // and the view losing activation.
    if (ui::View* view = GetActiveView())
        view->OnActivateView(activate, view, view);
    ui::Frame::OnMDIActivate(activate, activated, deactivated);
    // The last form window gone: its page and figures go from the panes.
    if (!activate && !activated)
        if (auto* frame = dynamic_cast<FFRAME*>(GetMainFrame()))
            frame->ClearFormPanes();
}

bool CChildFrame::OnClose()
{
    ui::Document* doc = GetActiveDocument();
    ui::MainFrame* main = GetMainFrame();
    if (doc && main && template_.HasViewOfIndex(*doc, kFillView))
        if (ui::App* app = ui::App::Current())
            app->SendCommand(*main, ID_VIEW_DESIGN);
    return ui::Frame::OnClose();
}
