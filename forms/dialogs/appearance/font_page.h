// The Text page of the object appearance sheet: typeface, colour, size,
// styles and a sample; each change goes to the sheet's view as a change
// record that carries only the changed field.
#pragma once

#include "forms/dialogs/appearance/font_editor.h"

#include "platform/ui/dialog/property_page.h"

class OBJAPPDLG;
class STYLESHEET;

class FONT_PAGE : public ui::PropertyPage {
public:
    explicit FONT_PAGE(OBJAPPDLG* owner);
    // A style sheet as the owner: changes go to its prototype instead.
    void SetStyleSheet(STYLESHEET* sheet) { styleSheet = sheet; }

    void SetFont(const TEXTATTR& format) { editor.SetFont(format); }
    const TEXTATTR& GetFont() const { return editor.GetFont(); }
    FONT_EDITOR& Editor() { return editor; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    OBJAPPDLG* owner;
    STYLESHEET* styleSheet = nullptr;
    FONT_EDITOR editor;
};
