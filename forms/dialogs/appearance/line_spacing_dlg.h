// The Text line spacing dialog: the Spacing page's controls on the
// selection's line spacing; each new spacing is applied at once to the
// view's selection.
#pragma once

#include "forms/dialogs/appearance/spacing_editor.h"

#include "platform/ui/dialog/dialog.h"

class OBJECT_VIEW;

class LINE_SPACING_DLG : public ui::Dialog {
public:
    explicit LINE_SPACING_DLG(OBJECT_VIEW* view, QWidget* parent = nullptr);

    void SetSpacing(uint16_t value) { editor.SetSpacing(value); }
    uint16_t GetSpacing() const { return editor.GetSpacing(); }
    // The view's measurement unit.
    void SetUnits(uint8_t units) { editor.SetUnits(units); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    SPACING_EDITOR editor;
    OBJECT_VIEW* view;
};
