// The design view's right-button menus: the popup of the context menu that
// the selection picks, its items enabled as their commands' updates say,
// and the command chosen run on the view.
#include "forms/app/views/design/fdesignview.h"

#include "forms/model/tracker_geometry.h"
#include "forms/objects/fselection.h"

#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/dialog/popup_menu.h"
#include "platform/ui/frame.h"

#include <QMainWindow>
#include <QWidget>

int FDESIGNVIEW::ContextPopupIndex() const
{
    if (!selection || selection->GetCount() == 0)
        return kPopupNoSelection;
    if (selection->GetCount() > 1)
        return kPopupMultiple;
    FORMOBJ* one = selection->GetFirstSelected();
    if (!one)
        return kPopupNoSelection;
    switch (one->GetType()) {
    case kTypeGroup:
        return kPopupGroup;
    case kTypeField:
        return kPopupField;
    case kTypeTable:
        // A table whose cell is being edited does not answer selected.
        return one->IsSelected(nullptr) ? kPopupTable : kPopupSingle;
    case kTypeButton:
        return kPopupButton;
    default:
        return kPopupSingle;
    }
}

ui::PopupMenu FDESIGNVIEW::MakeContextMenu(int index)
{
    ui::PopupMenu menu;
    if (!host)
        return menu;
    for (const VIEW_MENU_ITEM& entry : host->GetContextMenu(index)) {
        if (entry.id == 0) {
            menu.AppendSeparator();
            continue;
        }
        // A command nothing handles yet is shown disabled.
        ui::CmdUI cmdUI(entry.id);
        cmdUI.DoUpdate(*this, true);
        menu.AppendItem(entry.id, entry.text, cmdUI.IsEnabled());
    }
    return menu;
}

void FDESIGNVIEW::OnRButtonUp(POINT point)
{
    if (!selection)
        return;
    int hit = kHitNothing;
    if (selection->GetCount() > 0) {
        VIEWDC dc(this, kOwnWindow);
        if (dc.IsSetUp()) {
            const POINT p = DeviceToLogical(dc, point);
            hit = selection->HitTestHandles(dc, p.x, p.y);
        }
    }
    // Off the selection, the object under the pointer is selected instead.
    if (hit == kHitNothing) {
        ClearSelection();
        SelectAt(point);
        ShowSelectionPosSize();
        format->UpdateFormatBar();
    }
    mouseDown = point;
    const ui::PopupMenu menu = MakeContextMenu(ContextPopupIndex());
    QWidget* window = GetWindow();
    QWidget* owner = window;
    if (ui::Frame* frame = GetParentFrame())
        if (ui::Frame* main = frame->GetMainFrame(); main && main->GetWindow())
            owner = main->GetWindow();
    const QPoint screen = window ? window->mapToGlobal(QPoint(point.x, point.y)) : QPoint(point.x, point.y);
    if (const unsigned chosen = ui::TrackPopupMenu(menu, {screen.x(), screen.y()}, owner))
        ExecuteCommand(chosen);
}
