// The design view, in which a form is laid out: the base view's page,
// zoom, scrolling and printing, drawn in the designer's output mode.
#pragma once

#include "forms/app/fbaseview.h"

class FDESIGNVIEW : public FBASEVIEW {
public:
    FDESIGNVIEW();

    // The base view's mapping, then the designer's output mode.
    int SetupDC(VIEWDC& dc, gdi::DC* device) override;
    // The zoom comes from the document's first other view.
    void OnInitialUpdate() override;
    // Back to the page's top-left corner, and everything repainted.
    void OnPageChanged() override;
    void OnViewSwitch(bool incoming, ui::View* other) override;
};
