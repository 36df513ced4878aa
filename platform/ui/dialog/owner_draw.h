// Owner drawing: a button, a fixed-height item of a combo or list box, or a
// pop-up menu item is drawn by the program's own class through a device
// context on the control's surface, told the item's state; nothing of it
// is drawn by the Qt style.
#pragma once

#include "platform/gdi/dc.h"
#include "platform/gdi/types.h"

#include <cstdint>

namespace ui {

// Kinds of owner-drawn control.
constexpr unsigned ODT_MENU = 1;
constexpr unsigned ODT_LISTBOX = 2;
constexpr unsigned ODT_COMBOBOX = 3;
constexpr unsigned ODT_BUTTON = 4;

// What to draw.
constexpr unsigned ODA_DRAWENTIRE = 0x1;
constexpr unsigned ODA_SELECT = 0x2;
constexpr unsigned ODA_FOCUS = 0x4;

// Item state.
constexpr unsigned ODS_SELECTED = 0x0001; // a button held down, a highlighted item
constexpr unsigned ODS_GRAYED = 0x0002;
constexpr unsigned ODS_DISABLED = 0x0004;
constexpr unsigned ODS_CHECKED = 0x0008;
constexpr unsigned ODS_FOCUS = 0x0010;
constexpr unsigned ODS_DEFAULT = 0x0020;
constexpr unsigned ODS_COMBOBOXEDIT = 0x1000; // the closed combo's own field

struct DRAWITEMSTRUCT {
    unsigned CtlType = 0;
    unsigned CtlID = 0;
    int itemID = -1; // -1: no item (an empty combo's field)
    unsigned itemAction = ODA_DRAWENTIRE;
    unsigned itemState = 0;
    gdi::DC* dc = nullptr;
    gdi::RECT rcItem;
    uintptr_t itemData = 0;
};

struct MEASUREITEMSTRUCT {
    unsigned CtlType = 0;
    unsigned CtlID = 0;
    int itemID = -1;
    int itemWidth = 0;
    int itemHeight = 0;
    uintptr_t itemData = 0;
};

// The class that draws a control's items (attached to a control of a
// dialog, or to a pop-up menu).
class OwnerDrawer {
public:
    virtual ~OwnerDrawer() = default;
    virtual void DrawItem(DRAWITEMSTRUCT& item) = 0;
    virtual void MeasureItem(MEASUREITEMSTRUCT&) {}
};

} // namespace ui
