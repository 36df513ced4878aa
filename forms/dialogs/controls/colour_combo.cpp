#include "forms/dialogs/controls/colour_combo.h"

#include "forms/dialogs/controls/colour_item.h"
#include "forms/dialogs/controls/colours.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/dialog.h"

namespace {

constexpr int kTextOffset = 2;

unsigned NameOf(uintptr_t itemData)
{
    return kFirstColourName + static_cast<unsigned>(itemData);
}

} // namespace

void COLOUR_COMBO::Attach(ui::Dialog& dialog, int id)
{
    dialog.AttachDrawer(id, this);
}

void COLOUR_COMBO::MeasureItem(ui::MEASUREITEMSTRUCT& item)
{
    MeasureColourItem(item, ProgramResources().LoadString(NameOf(item.itemData)));
    item.itemHeight += 2 * kTextOffset;
}

void COLOUR_COMBO::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    const unsigned name = NameOf(item.itemData);
    DrawColourItem(item, item.itemID < 0 ? std::string() : ProgramResources().LoadString(name),
        ColourFromComboIndex(name), kTextOffset);
}
