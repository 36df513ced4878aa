#include "forms/app/frames/child_frame.h"

#include "forms/app/frames/main_frame.h"
#include "forms/app/frames/ruler_bar.h"
#include "forms/app/frames/splitter_buttons.h"
#include "forms/app/frames/window_commands.h"

#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/fbaseview.h"
#include "forms/res/command_ids.h"

#include "platform/text/cp1252.h"
#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"
#include "platform/ui/splitter.h"

#include <QGridLayout>
#include <QMainWindow>

#include <vector>

CChildFrame::CChildFrame(CDynViewDocTemplate& docTemplate)
    : template_(docTemplate)
{
    AddCommand(ID_WINDOW_SPLIT, [this](unsigned) {
        if (splitter_)
            splitter_->StartKeyboardSplit();
    });
    AddUpdate(ID_WINDOW_SPLIT, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(splitter_ != nullptr); });
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::CreateClient(std::unique_ptr<ui::View> first)
{
    // The rulers along the top and the left, the splitter in the corner
    // they leave.
    auto* client = new QWidget;
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    horzRuler_ = std::make_unique<RULERBAR>();
    vertRuler_ = std::make_unique<RULERBAR>();
    horzRuler_->Create(client, true);
    vertRuler_->Create(client, false);
    rulerCorner_ = new QWidget(client);
    rulerCorner_->setFixedSize(RULERBAR::kVerticalWidth, RULERBAR::kHorizontalHeight);
    grid->addWidget(rulerCorner_, 0, 0);
    grid->addWidget(horzRuler_->GetWindow(), 0, 1);
    grid->addWidget(vertRuler_->GetWindow(), 1, 0);
    splitter_ = new ui::Splitter(*this, std::move(first), client);
    grid->addWidget(splitter_, 1, 1);
    buttons_ = std::make_unique<SplitterButtons>(*splitter_);
    splitter_->SetMinPaneSize(QSize(10, 10));
    // A new pane shows a view of the template's first class, as a new frame
    // does: a pane split off while the form is filled waits, disabled,
    // until the fill ends.
    splitter_->SetViewFactory([this](ui::View& like) -> std::unique_ptr<ui::View> {
        const ViewClass* first = template_.FirstViewClass();
        if (!first)
            return nullptr;
        std::unique_ptr<ui::View> view = template_.MakeView(*first);
        view->SetDocument(like.GetDocument());
        return view;
    });
    // Its first update once the pane is in place, so that it lines up with
    // the panes beside it.
    splitter_->SetPaneAdded([](ui::View& view) {
        if (auto* base = dynamic_cast<FBASEVIEW*>(&view))
            base->OnInitialUpdate();
    });
    SetClient(client);
}

VIEW_RULER* CChildFrame::GetRuler(bool horizontal) const
{
    return horizontal ? GetHorzRuler() : GetVertRuler();
}

void CChildFrame::ShowRulers(bool show)
{
    for (RULERBAR* ruler : {horzRuler_.get(), vertRuler_.get()})
        if (ruler && ruler->GetWindow())
            ruler->GetWindow()->setVisible(show);
    if (rulerCorner_)
        rulerCorner_->setVisible(show);
}

bool CChildFrame::AreRulersShown() const
{
    return horzRuler_ && horzRuler_->GetWindow() && !horzRuler_->GetWindow()->isHidden();
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
    // Once closed the frame is gone: what is needed afterwards is kept.
    const void* shown = doc;
    auto* formsMain = dynamic_cast<FFRAME*>(main);
    if (!ui::Frame::OnClose())
        return false;
    if (formsMain)
        RetitleFramesOf(*formsMain, shown);
    return true;
}

void CChildFrame::OnUpdateFrameTitle()
{
    ui::Document* doc = GetActiveDocument();
    ui::MainFrame* main = GetMainFrame();
    int number = 0;
    int count = 0;
    if (doc && main)
        for (ui::Frame* child : main->GetChildren())
            if (child->GetActiveDocument() == doc) {
                ++count;
                if (child == this)
                    number = count;
            }
    if (count < 2) {
        ui::Frame::OnUpdateFrameTitle();
        return;
    }
    const std::string title = doc->GetTitle() + ":" + std::to_string(number);
    if (QWidget* outer = OuterWindow())
        outer->setWindowTitle(text::ToQString(title));
    main->OnUpdateFrameTitle();
}
