// The design view's right-button menu: the popup of the context menu that
// the selection picks, its items enabled as their commands' updates say,
// and the command chosen run on the view.
#include "forms/app/views/design/design_context_menu.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/objects/fselection.h"

#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/dialog/popup_menu.h"
#include "platform/ui/frame.h"

#include <QMainWindow>
#include <QWidget>

int DESIGN_CONTEXT_MENU::ContextPopupIndex() const
{
    const FSELECTION* selection = view.GetSelection();
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

ui::PopupMenu DESIGN_CONTEXT_MENU::MakeContextMenu(int index)
{
    ui::PopupMenu menu;
    VIEW_HOST* host = view.GetViewHost();
    if (!host)
        return menu;
    for (const VIEW_MENU_ITEM& entry : host->GetContextMenu(index)) {
        if (entry.id == 0) {
            menu.AppendSeparator();
            continue;
        }
        // A command nothing handles yet is shown disabled.
        ui::CmdUI cmdUI(entry.id);
        cmdUI.DoUpdate(view, true);
        menu.AppendItem(entry.id, entry.text, cmdUI.IsEnabled());
    }
    return menu;
}

void DESIGN_CONTEXT_MENU::Show(POINT point)
{
    const ui::PopupMenu menu = MakeContextMenu(ContextPopupIndex());
    QWidget* window = view.GetWindow();
    QWidget* owner = window;
    if (ui::Frame* frame = view.GetParentFrame())
        if (ui::Frame* main = frame->GetMainFrame(); main && main->GetWindow())
            owner = main->GetWindow();
    const QPoint screen = window ? window->mapToGlobal(QPoint(point.x, point.y)) : QPoint(point.x, point.y);
    if (const unsigned chosen = ui::TrackPopupMenu(menu, {screen.x(), screen.y()}, owner))
        view.ExecuteCommand(chosen);
}
