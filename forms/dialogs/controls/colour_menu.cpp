#include "forms/dialogs/controls/colour_menu.h"

#include "forms/dialogs/controls/colour_item.h"
#include "forms/res/program_resources.h"

#include "platform/gdi/palette.h"

namespace {

COLORREF ItemColour(unsigned id)
{
    return id == kAutomaticColourId ? GetMenuAutomaticColour() : ColourFromMenuIndex(id);
}

} // namespace

COLOUR_MENU::COLOUR_MENU(int withAutomatic, COLORREF automaticColour)
{
    const unsigned last = withAutomatic ? kAutomaticColourId : kLastColourName;
    for (unsigned id = kFirstColourName; id <= last; ++id)
        menu.AppendOwnerDrawItem(id, id);
    menu.SetDrawer(this);
    SetMenuAutomaticColour(withAutomatic ? automaticColour : gdi::GetSysColor(gdi::COLOR_WINDOW));
}

void COLOUR_MENU::MeasureItem(ui::MEASUREITEMSTRUCT& item)
{
    MeasureColourItem(item, ProgramResources().LoadString(static_cast<uint32_t>(item.itemData)));
}

void COLOUR_MENU::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    const auto id = static_cast<unsigned>(item.itemData);
    DrawColourItem(item, ProgramResources().LoadString(id), ItemColour(id), 0);
}
