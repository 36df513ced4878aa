#include "forms/app/frames/window_commands.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/main_frame.h"
#include "forms/app/template/dyn_view_doc_template.h"

#include "platform/ui/document.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

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
    std::unique_ptr<ui::View> view = docTemplate->MakeView(*viewClass);
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

std::vector<QRect> CascadeRects(QSize area, int count, int step)
{
    step = std::max(step, 1);
    const int steps = std::max(area.height() / (3 * step), 0);
    const QSize size(std::max(area.width() - steps * step, 1), std::max(area.height() - steps * step, 1));
    std::vector<QRect> rects;
    for (int i = 0; i < count; ++i) {
        const int offset = step * (i % (steps + 1));
        rects.emplace_back(QPoint(offset, offset), size);
    }
    return rects;
}

void CascadeWindows(FFRAME& main)
{
    QMdiArea* area = main.GetClientArea();
    if (!area)
        return;
    QMdiSubWindow* active = area->activeSubWindow();
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::StackingOrder))
        if (window->isVisible() && !window->isMinimized() && window != active)
            windows.push_back(window);
    if (active && active->isVisible() && !active->isMinimized())
        windows.push_back(active);
    if (windows.empty())
        return;
    QStyleOptionTitleBar option;
    option.initFrom(windows.front());
    const int step = windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, windows.front())
        + windows.front()->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, windows.front());
    const std::vector<QRect> rects = CascadeRects(area->viewport()->size(), static_cast<int>(windows.size()), step);
    // Maximised windows come back to normal first: the area maximises the
    // window it activates while another one is maximised.
    for (QMdiSubWindow* window : windows)
        if (window->isMaximized())
            window->showNormal();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(rects[i]);
        windows[i]->raise();
    }
    if (active)
        area->setActiveSubWindow(active);
}
