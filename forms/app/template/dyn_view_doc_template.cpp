#include "forms/app/template/dyn_view_doc_template.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/views/fbaseview.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"
#include "platform/ui/frame.h"
#include "platform/ui/splitter.h"
#include "platform/ui/view.h"

#include <algorithm>

namespace {

// The template's document strings.
constexpr char kDocStrings[] = "\nForm\nForm\nForm (*.qwm)\n.qwm\nQuirewellDesign.Document\nQuirewell Document";

// The splitter pane that holds the view, found by looking at every pane.
bool FindPane(const ui::Splitter& splitter, const ui::View& view, int& row, int& column)
{
    for (row = 0; row < splitter.GetRowCount(); ++row)
        for (column = 0; column < splitter.GetColumnCount(); ++column)
            if (splitter.GetPane(row, column) == &view)
                return true;
    return false;
}

} // namespace

ViewTable FormViewTable()
{
    return {{{{}, "Designing"}, {{}, "Filling order"}, {{}, "Filling"}, {{}, "Field matching"}, {{}, "Math View"},
        {{}, "Naming View"}}};
}

CDynViewDocTemplate::CDynViewDocTemplate(
    std::optional<DocumentClass> documentClass, ViewTable views, ui::MainFrame& mainFrame)
    : documentClass_(std::move(documentClass))
    , views_(std::move(views))
    , mainFrame_(mainFrame)
{
    AddCommandRange(ID_VIEW_DESIGN, ID_VIEW_DESIGN + kViewCount - 1, [this](unsigned id) { OnViewCommand(id); });
    AddUpdateRange(
        ID_VIEW_DESIGN, ID_VIEW_DESIGN + kViewCount - 1, [this](ui::CmdUI& cmdUI) { OnUpdateViewCommand(cmdUI); });
}

bool CDynViewDocTemplate::GetDocString(std::string& text, int index) const
{
    if (templateMode_ && index == filterExt) {
        text = ".qwl";
        return true;
    }
    if (templateMode_ && index == filterName) {
        text = "Template (*.qwl)";
        return true;
    }
    std::string_view rest = kDocStrings;
    for (int i = 0; i < index; ++i) {
        const auto newline = rest.find('\n');
        if (newline == std::string_view::npos)
            return false;
        rest.remove_prefix(newline + 1);
    }
    if (index < 0)
        return false;
    text = std::string(rest.substr(0, rest.find('\n')));
    return true;
}

const ViewClass* CDynViewDocTemplate::FirstViewClass() const
{
    for (const ViewTableEntry& entry : views_)
        if (entry.viewClass)
            return &*entry.viewClass;
    return nullptr;
}

bool CDynViewDocTemplate::CanCreateDocuments() const
{
    return documentClass_ && documentClass_->create && FirstViewClass();
}

ui::Document* CDynViewDocTemplate::OpenNewDocument()
{
    if (!CanCreateDocuments())
        return nullptr;
    std::unique_ptr<ui::Document> document = documentClass_->create(*this);
    if (!document)
        return nullptr;
    std::string name;
    GetDocString(name, fileNewName);
    document->SetTitle(name + std::to_string(++untitledCount_));
    return ShowInNewFrame(std::move(document));
}

ui::Document* CDynViewDocTemplate::OpenDocumentFile(const std::string& path)
{
    if (!CanCreateDocuments() || !documentClass_->open)
        return nullptr;
    std::unique_ptr<ui::Document> document = documentClass_->create(*this);
    if (!document || !documentClass_->open(*document, path))
        return nullptr;
    return ShowInNewFrame(std::move(document));
}

ui::Document* CDynViewDocTemplate::ShowInNewFrame(std::unique_ptr<ui::Document> document)
{
    ui::Document* doc = AddDocument(std::move(document));
    std::unique_ptr<ui::View> view = MakeView(*FirstViewClass());
    view->SetDocument(doc);
    auto frame = std::make_unique<CChildFrame>(*this);
    ui::Frame* raw = mainFrame_.AddChild(std::move(frame), true);
    static_cast<CChildFrame*>(raw)->CreateClient(std::move(view));
    InitialUpdateFrame(*raw, *doc, true);
    return doc;
}

void CDynViewDocTemplate::InitialUpdateFrame(ui::Frame& frame, ui::Document& document, bool makeVisible)
{
    if (auto* view = dynamic_cast<FBASEVIEW*>(frame.GetActiveView()))
        view->OnInitialUpdate();
    frame.OnUpdateFrameTitle();
    if (makeVisible)
        frame.ShowWindow(ui::ShowCmd::Show);
    if (documentClass_ && documentClass_->viewIndex)
        SwitchView(frame, documentClass_->viewIndex(document), makeVisible);
}

std::unique_ptr<ui::View> CDynViewDocTemplate::MakeView(const ViewClass& viewClass) const
{
    std::unique_ptr<ui::View> view = viewClass.create();
    if (auto* formView = dynamic_cast<FBASEVIEW*>(view.get()))
        formView->SetViewHost(viewHost_);
    return view;
}

bool CDynViewDocTemplate::IsViewOfIndex(const ui::View& view, int index) const
{
    if (index < 0 || index >= kViewCount)
        return false;
    const auto& viewClass = views_[index].viewClass;
    return viewClass && viewClass->isKindOf(view);
}

bool CDynViewDocTemplate::HasViewOfIndex(const ui::Document& document, int index) const
{
    return std::any_of(document.Views().begin(), document.Views().end(),
        [&](const ui::View* view) { return IsViewOfIndex(*view, index); });
}

bool CDynViewDocTemplate::AllViewsOfIndex(const ui::Document& document, int index)
{
    auto* docTemplate = dynamic_cast<CDynViewDocTemplate*>(document.GetDocTemplate());
    return docTemplate && std::all_of(document.Views().begin(), document.Views().end(), [&](const ui::View* view) {
        return docTemplate->IsViewOfIndex(*view, index);
    });
}

ui::View* CDynViewDocTemplate::SwitchView(ui::Frame& frame, int index, bool makeVisible)
{
    ui::View* old = frame.GetActiveView();
    if (!old || index < 0 || index >= kViewCount || !views_[index].viewClass)
        return nullptr;
    if (IsViewOfIndex(*old, index))
        return old;
    ui::Splitter* splitter = ui::Splitter::Of(*old);
    int row = 0, column = 0;
    if (!splitter || !FindPane(*splitter, *old, row, column))
        return nullptr;
    ui::Document* document = old->GetDocument();

    std::unique_ptr<ui::View> created = MakeView(*views_[index].viewClass);
    ui::View* view = created.get();
    // The new view knows its form from the start: switching in and gaining
    // activation both read and write the document.
    view->SetDocument(document);
    if (auto* outgoing = dynamic_cast<FBASEVIEW*>(old))
        outgoing->OnViewSwitch(false, view);
    if (auto* incoming = dynamic_cast<FBASEVIEW*>(view))
        incoming->OnViewSwitch(true, old);
    // The pane keeps its window and the new view becomes the frame's active
    // view; the old one leaves the document as it is deleted.
    std::unique_ptr<ui::View> replaced = splitter->SetPaneView(row, column, std::move(created));
    replaced.reset();
    frame.SetActiveView(view);

    if (auto* fresh = dynamic_cast<FBASEVIEW*>(view))
        fresh->OnInitialUpdate();
    if (makeVisible)
        frame.ShowWindow(ui::ShowCmd::Show);
    if (QWidget* window = view->GetWindow())
        window->update();
    return view;
}

ui::View* CDynViewDocTemplate::SwitchViewOf(ui::View& view, int index, bool makeVisible)
{
    ui::Frame* frame = view.GetParentFrame();
    return frame ? SwitchView(*frame, index, makeVisible) : nullptr;
}

void CDynViewDocTemplate::OnViewCommand(unsigned id)
{
    if (ui::Frame* child = mainFrame_.GetActiveChild())
        SwitchView(*child, static_cast<int>(id - ID_VIEW_DESIGN), true);
}

void CDynViewDocTemplate::OnUpdateViewCommand(ui::CmdUI& cmdUI)
{
    const int index = static_cast<int>(cmdUI.Id() - ID_VIEW_DESIGN);
    ui::Frame* child = mainFrame_.GetActiveChild();
    ui::View* active = child ? child->GetActiveView() : nullptr;
    cmdUI.SetCheck(active && IsViewOfIndex(*active, index) ? 1 : 0);
    if (!views_[index].viewClass || !active) {
        cmdUI.Enable(false);
        return;
    }
    cmdUI.Enable(true);
    if (auto* view = dynamic_cast<FBASEVIEW*>(active))
        view->OnUpdateViewMenu(cmdUI);
}
