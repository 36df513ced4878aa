// The Border page of the object appearance sheet: the border's colour,
// lines, thickness, style and rounding, each change applied at once to the
// sheet's view.
#pragma once

#include "forms/dialogs/appearance/line_editor.h"

#include "platform/ui/dialog/property_page.h"

class OBJAPPDLG;
class STYLESHEET;

class LINEPAGE : public ui::PropertyPage {
public:
    explicit LINEPAGE(OBJAPPDLG* owner);
    // A style sheet as the owner: changes go to its prototype instead.
    void SetStyleSheet(STYLESHEET* sheet) { styleSheet = sheet; }

    void SetBorder(const BORDER& border) { editor.SetBorder(border); }
    const BORDER& GetBorder() const { return border; }
    int GetSwatch() const { return editor.GetSwatch(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void OnBorderChanged();

    BORDER border;
    OBJAPPDLG* owner;
    STYLESHEET* styleSheet = nullptr;
    LINE_EDITOR editor;
    int initialised = 0;
};
