#include "forms/dialogs/controls/font_combos.h"

#include "platform/ui/dialog/dialog.h"

void FillFontNameCombo(ui::Dialog& dialog, int id)
{
    FillFontNameCombo(dialog, id, InstalledFontNames());
}

void FillFontNameCombo(ui::Dialog& dialog, int id, const std::vector<std::string>& names)
{
    const int selected = dialog.GetCurSel(id);
    const std::string remembered = selected >= 0 ? dialog.GetDlgItemText(id) : std::string();
    dialog.ResetContent(id);
    for (const std::string& name : names)
        dialog.AddString(id, name);
    if (remembered.empty())
        return;
    if (const int at = dialog.FindStringExact(id, remembered); at >= 0)
        dialog.SetCurSel(id, at);
}

int FillFontSizeCombo(ui::Dialog& dialog, int id, std::string_view face, FontSizeList& list)
{
    dialog.ResetContent(id);
    list = FontSizesFor(face);
    for (uint16_t i = 0; i < list.count; ++i)
        dialog.AddString(id, std::to_string(list.sizes[i]));
    return 1;
}
