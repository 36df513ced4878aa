#include "forms/dialogs/appearance/shadow_editor.h"

#include "forms/dialogs/appearance/shadow_corners.h"

#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/notifications.h"

SHADOW_EDITOR::SHADOW_EDITOR(SHADOW& edited, std::function<void()> onChange)
    : shadow(edited)
    , changed(std::move(onChange))
{}

void SHADOW_EDITOR::SetShadow(const SHADOW& from)
{
    shadow.Copy(from);
    swatch = SwatchOfColour(shadow.colour);
}

void SHADOW_EDITOR::Init(ui::Dialog& dialog, bool applyCorner)
{
    swatches.Attach(dialog, swatch);
    for (size_t i = 0; i < kShadowCorners.size(); ++i) {
        const ShadowCorner& c = kShadowCorners[i];
        corners[i].icon = c.icon;
        if (const res::DialogControl* control = dialog.Definition().Find(c.control))
            corners[i].caption = control->text;
        corners[i].Attach(dialog, c.control);
    }
    const int index = ShadowCornerOf(shadow.x, shadow.y);
    if (applyCorner)
        ChooseCorner(index);
    else
        LatchCorner(index);
}

void SHADOW_EDITOR::LatchCorner(int index)
{
    corner = index;
    for (size_t i = 0; i < corners.size(); ++i) {
        const int latched = static_cast<int>(i) == index;
        if (corners[i].latched != latched) {
            corners[i].latched = latched;
            corners[i].Redraw();
        }
    }
}

void SHADOW_EDITOR::ChooseCorner(int index)
{
    LatchCorner(index);
    shadow.x = kShadowCorners[static_cast<size_t>(index)].x;
    shadow.y = kShadowCorners[static_cast<size_t>(index)].y;
    changed();
}

bool SHADOW_EDITOR::OnCommand(int id, unsigned code)
{
    if (const int index = ShadowCornerOfControl(id); index >= 0) {
        if (code == ui::BN_CLICKED)
            ChooseCorner(index);
        return true;
    }
    if (SWATCH_ROW::IsSwatch(id)) {
        if (code == ui::BN_CLICKED && swatches.Select(id)) {
            swatch = swatches.GetSelected();
            shadow.colour = ColourFromSwatchId(static_cast<unsigned>(id));
            changed();
        }
        return true;
    }
    return false;
}
