#include "forms/app/frames/window_commands.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/main_frame.h"
#include "forms/app/template/dyn_view_doc_template.h"

#include "platform/ui/document.h"

#include <QMdiArea>
#include <QMdiSubWindow>

ui::Frame* OpenNewWindow(FFRAME& main)
{
    CDynViewDocTemplate* docTemplate = main.GetDocTemplate();
    ui::Frame* active = main.GetActiveChild();
    ui::Document* doc = active ? active->GetActiveDocument() : nullptr;
    if (!docTemplate || !doc)
        return nullptr;
    const auto& viewClass = docTemplate->Views()[kDesignView].viewClass;
    if (!viewClass)
        return nullptr;
    std::unique_ptr<ui::View> view = viewClass->create();
    view->SetDocument(doc);
    const bool maximized = active->IsZoomed();
    ui::Frame* frame = main.AddChild(std::make_unique<CChildFrame>(*docTemplate), maximized);
    static_cast<CChildFrame*>(frame)->CreateClient(std::move(view));
    docTemplate->InitialUpdateFrame(*frame, *doc, true);
    RetitleFramesOf(main, doc);
    return frame;
}

void RetitleFramesOf(FFRAME& main, const void* document)
{
    for (ui::Frame* child : main.GetChildren())
        if (child->GetActiveDocument() == document)
            child->OnUpdateFrameTitle();
}

void ArrangeIcons(FFRAME& main)
{
    QMdiArea* area = main.GetClientArea();
    if (!area)
        return;
    int x = 0;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, area->viewport()->height() - size.height());
        x += size.width();
    }
}
