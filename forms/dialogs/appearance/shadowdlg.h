// The Shadow dialog: the colour of the shadow from 16 swatches and the
// corner it falls towards from five buttons. Each choice is applied at once
// to the view's selected objects; the caller keeps or undoes it by the
// dialog's result.
#pragma once

#include "forms/dialogs/appearance/shadow_editor.h"
#include "forms/model/shadow.h"

#include "platform/ui/dialog/dialog.h"

class OBJECT_VIEW;

inline constexpr unsigned kShadowDialogId = 2054;

class SHADOWDLG : public ui::Dialog {
public:
    explicit SHADOWDLG(QWidget* parent = nullptr);

    // The shadow to edit and the view whose selection takes each change
    // (null: nothing is applied); the swatch of its colour is chosen.
    void SetShadow(const SHADOW& shadow, OBJECT_VIEW* view);
    const SHADOW& GetShadow() const { return shadow; }
    // The latched corner (index into kShadowCorners) and the marked swatch.
    int GetCorner() const { return editor.GetCorner(); }
    int GetSwatch() const { return editor.GetSwatch(); }

protected:
    // Attaches the buttons, latches the corner of the offsets (without
    // applying anything) and marks the swatch.
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void Apply();

    SHADOW shadow;
    SHADOW_EDITOR editor;
    OBJECT_VIEW* view = nullptr;
};
