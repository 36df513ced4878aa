// The Shade Format dialog: the Shade page's controls on the selection's
// fill (or that of new objects), with the new and the old fill; each change
// is applied at once to the view's selection.
#pragma once

#include "forms/dialogs/appearance/shade_editor.h"

#include "platform/ui/dialog/dialog.h"

class OBJECT_VIEW;

class SHADE_FORMAT_DLG : public ui::Dialog {
public:
    SHADE_FORMAT_DLG(const BASICSHADE& shade, OBJECT_VIEW* view, QWidget* parent = nullptr);

    const BASICSHADE& GetShade() const { return working; }
    const ShadeMarks& GetMarks() const { return editor.GetMarks(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void Changed();

    BASICSHADE initial;
    BASICSHADE working;
    SHADE_PATTERN_BUTTON newSample;
    SHADE_PATTERN_BUTTON oldSample;
    SHADE_EDITOR editor;
    OBJECT_VIEW* view;
};
