// A pop-up menu of the 16 colours, optionally with "Automatic", each item a
// swatch and the colour's name. The owner tracks the menu and maps the id
// chosen with ColourFromMenuIndex.
#pragma once

#include "forms/dialogs/controls/colours.h"

#include "platform/ui/dialog/owner_draw.h"
#include "platform/ui/dialog/popup_menu.h"

class COLOUR_MENU : public ui::OwnerDrawer {
public:
    // Items 157 to 172, and 173 "Automatic" when asked for; the automatic
    // colour becomes the program-wide one that item shows (without the
    // item, the window colour).
    COLOUR_MENU(int withAutomatic, COLORREF automaticColour);

    const ui::PopupMenu& Menu() const { return menu; }

    void MeasureItem(ui::MEASUREITEMSTRUCT& item) override;
    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

private:
    ui::PopupMenu menu;
};
