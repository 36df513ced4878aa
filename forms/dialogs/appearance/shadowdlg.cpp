#include "forms/dialogs/appearance/shadowdlg.h"

#include "forms/dialogs/appearance/shadow_corners.h"
#include "forms/dialogs/controls/colours.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

SHADOWDLG::SHADOWDLG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kShadowDialogId), parent)
{}

void SHADOWDLG::SetShadow(const SHADOW& edited, OBJECT_VIEW* target)
{
    shadow.Copy(edited);
    view = target;
    // The search table's last two entries are black's again.
    swatch = SwatchIndexFromColour(shadow.colour) % kColourCount;
}

bool SHADOWDLG::OnInitDialog()
{
    for (int i = 0; i < kColourCount; ++i) {
        swatches[i].selected = i == swatch;
        swatches[i].Attach(*this, static_cast<int>(kFirstSwatchId) + i);
    }
    for (size_t i = 0; i < kShadowCorners.size(); ++i) {
        const ShadowCorner& c = kShadowCorners[i];
        corners[i].icon = c.icon;
        if (const res::DialogControl* control = Definition().Find(c.control))
            corners[i].caption = control->text;
        corners[i].Attach(*this, c.control);
    }
    LatchCorner(ShadowCornerOf(shadow.x, shadow.y));
    return ui::Dialog::OnInitDialog();
}

bool SHADOWDLG::OnCommand(int id, unsigned code)
{
    if (code == ui::BN_CLICKED) {
        if (const int index = ShadowCornerOfControl(id); index >= 0) {
            LatchCorner(index);
            shadow.x = kShadowCorners[index].x;
            shadow.y = kShadowCorners[index].y;
            Apply();
            return true;
        }
        if (id >= static_cast<int>(kFirstSwatchId) && id <= static_cast<int>(kLastSwatchId)) {
            const int index = id - static_cast<int>(kFirstSwatchId);
            if (index != swatch) {
                swatches[swatch].selected = 0;
                swatches[swatch].Redraw();
                swatch = index;
                swatches[swatch].selected = 1;
                swatches[swatch].Redraw();
                shadow.colour = ColourFromSwatchId(static_cast<unsigned>(id));
                Apply();
            }
            return true;
        }
    }
    return ui::Dialog::OnCommand(id, code);
}

void SHADOWDLG::LatchCorner(int index)
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

void SHADOWDLG::Apply()
{
    if (view)
        view->SetSelectionShadow(shadow, 0);
}
