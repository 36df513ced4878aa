// The design view's right-button menu: the popup of the context menu that
// the selection picks, its items enabled as their commands' updates say,
// and the command chosen run on the view.
#pragma once

#include "forms/model/geometry.h"

class FDESIGNVIEW;
namespace ui {
class PopupMenu;
}

class DESIGN_CONTEXT_MENU {
public:
    // The popups of the context menu, by what is selected.
    enum ContextPopup {
        kPopupNoSelection = 0,
        kPopupGroup = 1,
        kPopupField = 2,
        kPopupTable = 3,
        kPopupSingle = 4,
        kPopupMultiple = 5,
        kPopupButton = 6,
    };

    explicit DESIGN_CONTEXT_MENU(FDESIGNVIEW& view)
        : view(view)
    {}

    int ContextPopupIndex() const;
    // The popup's items, each enabled as its command's update says.
    ui::PopupMenu MakeContextMenu(int index);
    // The popup for the selection shows at the point (device units on the
    // window) and the command chosen runs.
    void Show(POINT point);

private:
    FDESIGNVIEW& view;
};
