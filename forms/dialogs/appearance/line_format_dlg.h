// The Line Format dialog: the Border page's controls on the selection's
// border (or that of new objects), with the new and the old line; each
// change is applied at once to the view's selection.
#pragma once

#include "forms/dialogs/appearance/line_editor.h"

#include "platform/ui/dialog/dialog.h"

class OBJECT_VIEW;

class LINE_FORMAT_DLG : public ui::Dialog {
public:
    LINE_FORMAT_DLG(const BORDER& border, OBJECT_VIEW* view, QWidget* parent = nullptr);

    const BORDER& GetBorder() const { return border; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void Changed();

    BORDER border;
    BORDER initial;
    LINE_SAMPLE_BUTTON newSample;
    LINE_SAMPLE_BUTTON oldSample;
    LINE_EDITOR editor;
    OBJECT_VIEW* view;
};
