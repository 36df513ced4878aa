// The design view's right-button menus: the popup of the context menu that
// the selection picks, its items enabled as their commands' updates say,
// and the command chosen run on the view.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/frames/resource_blocks.h"
#include "forms/model/tracker_geometry.h"
#include "forms/objects/fselection.h"

#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/dialog/popup_menu.h"
#include "platform/ui/frame.h"

#include <QMainWindow>
#include <QWidget>

namespace {

constexpr unsigned kContextMenu = 2017;

} // namespace

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
    const ResourceBlock block = LoadResourceBlock("menus.txt", "MENU", true, res::Kind::Menu, kContextMenu);
    if (index < 0 || index >= static_cast<int>(block.entries.size()))
        return menu;
    for (const ResourceEntry& entry : block.entries[static_cast<size_t>(index)].items) {
        if (entry.kind == ResourceEntry::Kind::Separator) {
            menu.AppendSeparator();
            continue;
        }
        if (entry.kind != ResourceEntry::Kind::Command)
            continue;
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
        UpdateFormatBar();
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
