#include "platform/ui/window_list_menu.h"

#include "platform/ui/frame.h"
#include "platform/ui/frame_window.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace ui {

namespace {

// Marks the actions the list put into the menu, so that the next update
// takes them out again and nothing else.
constexpr char kListProperty[] = "ui_window_list";
// The most frames the list names.
constexpr int kWindowListLength = 9;

QString ItemText(int index, QString title)
{
    title.replace('&', "&&");
    return QStringLiteral("&%1 ").arg(index + 1) + title;
}

void Activate(MainFrame& frame, QMdiSubWindow* window)
{
    auto* childWindow = dynamic_cast<ChildFrameWindow*>(window);
    if (!childWindow || !childWindow->GetFrame())
        return;
    // A minimised window comes back to its normal size when chosen.
    if (window->isMinimized())
        window->showNormal();
    frame.SetActiveChild(childWindow->GetFrame());
}

} // namespace

void ShowWindowList(QMenu& menu, MainFrame& frame)
{
    UpdateWindowList(menu, frame);
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, &frame] { UpdateWindowList(menu, frame); });
}

void UpdateWindowList(QMenu& menu, MainFrame& frame)
{
    for (QAction* action : menu.actions())
        if (action->property(kListProperty).toBool()) {
            menu.removeAction(action);
            delete action;
        }
    QMdiArea* area = frame.GetClientArea();
    if (!area)
        return;
    QList<ChildFrameWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder))
        if (auto* childWindow = dynamic_cast<ChildFrameWindow*>(window); childWindow && childWindow->GetFrame())
            windows.push_back(childWindow);
    if (windows.isEmpty())
        return;
    QAction* separator = menu.addSeparator();
    separator->setProperty(kListProperty, true);
    for (int i = 0; i < windows.size() && i < kWindowListLength; ++i) {
        QAction* item = menu.addAction(ItemText(i, windows[i]->windowTitle()));
        item->setProperty(kListProperty, true);
        item->setCheckable(true);
        item->setChecked(windows[i]->GetFrame() == frame.GetActiveChild());
        QPointer<QMdiSubWindow> window(windows[i]);
        QObject::connect(item, &QAction::triggered, &menu, [&frame, window] {
            if (window)
                Activate(frame, window);
        });
    }
}

} // namespace ui
