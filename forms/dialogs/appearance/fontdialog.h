// The Text Format dialog: the Text page's controls on the format of the
// selection (or of new objects); each change goes at once to the view as a
// change record carrying only the changed field.
#pragma once

#include "forms/dialogs/appearance/font_editor.h"

#include "platform/ui/dialog/dialog.h"

class OBJECT_VIEW;

class FONTDIALOG : public ui::Dialog {
public:
    explicit FONTDIALOG(OBJECT_VIEW* view, QWidget* parent = nullptr);

    void SetFont(const TEXTATTR& format) { editor.SetFont(format); }
    const TEXTATTR& GetFont() const { return editor.GetFont(); }
    FONT_EDITOR& Editor() { return editor; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    OBJECT_VIEW* view;
    FONT_EDITOR editor;
};
