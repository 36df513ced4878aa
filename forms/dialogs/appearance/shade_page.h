// The Shade page of the object appearance sheet: the fill's colour,
// pattern, background and transparency, each change applied at once to the
// sheet's view.
#pragma once

#include "forms/dialogs/appearance/shade_editor.h"

#include "platform/ui/dialog/property_page.h"

class OBJAPPDLG;
class STYLESHEET;

class SHADEPAGE : public ui::PropertyPage {
public:
    explicit SHADEPAGE(OBJAPPDLG* owner);
    // A style sheet as the owner: changes go to its prototype instead.
    void SetStyleSheet(STYLESHEET* sheet) { styleSheet = sheet; }

    void SetShade(const BASICSHADE& shade) { editor.SetShade(shade); }
    const BASICSHADE& GetShade() const { return shade; }
    const ShadeMarks& GetMarks() const { return editor.GetMarks(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void OnShadeChanged();

    BASICSHADE shade;
    OBJAPPDLG* owner;
    STYLESHEET* styleSheet = nullptr;
    SHADE_EDITOR editor;
};
