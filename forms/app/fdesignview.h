// The design view, in which a form is laid out: the base view's page,
// zoom, scrolling and printing, drawn in the designer's output mode.
#pragma once

#include "forms/app/fbaseview.h"

#include <memory>

class FSELECTION;

class FDESIGNVIEW : public FBASEVIEW {
public:
    FDESIGNVIEW();
    ~FDESIGNVIEW() override;

    // The selected objects of the current page; made at the first update.
    FSELECTION* GetSelection() const { return selection.get(); }

    // The base view's mapping, then the designer's output mode.
    int SetupDC(VIEWDC& dc, gdi::DC* device) override;
    // Makes the selection; the zoom comes from the document's first other
    // view.
    void OnInitialUpdate() override;
    // Drawn only once the selection exists.
    void OnDraw(gdi::DC& dc) override;
    // Handles of selected objects are drawn after the page's objects.
    bool DrawsSelection() override { return true; }
    void NoteSelected(uint16_t count) override;
    void NoteDeselected(uint16_t count) override;
    // Nothing stays selected; back to the page's top-left corner, and
    // everything repainted.
    void OnPageChanged() override;
    void OnViewSwitch(bool incoming, ui::View* other) override;

private:
    std::unique_ptr<FSELECTION> selection;
};
