// The Shadow page of the object appearance sheet: the shadow's colour and
// corner. When first shown it chooses the corner of the offsets, so that
// they become exactly 90 twips (or none) and are applied at once.
#pragma once

#include "forms/dialogs/appearance/shadow_editor.h"

#include "platform/ui/dialog/property_page.h"

class OBJAPPDLG;
class STYLESHEET;

class SHADOWPP : public ui::PropertyPage {
public:
    explicit SHADOWPP(OBJAPPDLG* owner);
    // A style sheet as the owner: changes go to its prototype instead.
    void SetStyleSheet(STYLESHEET* sheet) { styleSheet = sheet; }

    void SetShadow(const SHADOW& shadow) { editor.SetShadow(shadow); }
    const SHADOW& GetShadow() const { return shadow; }
    int GetCorner() const { return editor.GetCorner(); }
    int GetSwatch() const { return editor.GetSwatch(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void OnShadowChanged();

    SHADOW shadow;
    OBJAPPDLG* owner;
    STYLESHEET* styleSheet = nullptr;
    SHADOW_EDITOR editor;
};
