// The design view's page commands (Append, Insert and Delete Page), the
// Grid Spacings, Page Setup and Options dialogs, and the process-wide Snap
// To Grid switch and display unit that every view copies.
#pragma once

#include <cstdint>
#include <vector>

class FBASEVIEW;
class FDESIGNVIEW;
class FHINT;

class DESIGN_PAGES {
public:
    explicit DESIGN_PAGES(FDESIGNVIEW& view);

    void RegisterPageCommands();
    // Deselects everything and adds a page at the end, which the view shows.
    void OnAppendPage();
    // Deselects everything and inserts a page before the current one; the
    // view keeps its page number, other views are told.
    void OnInsertPage();
    // Asks first when the current page holds objects; a one-page form keeps
    // its page, emptied. The view shows the same page number or the last.
    void OnDeletePage();
    // The editor inserted or deleted a page: the view shows the page now in
    // its place (or the last), then the form's other views are told.
    void OnPageHint(const FHINT& hint);

    // Inverts the process-wide Snap To Grid switch and copies it into every
    // design view of every open form.
    void OnSnapToGrid();
    // The process-wide switch: on at start, never saved.
    static bool IsSnapToGridOn();
    // Every form view (design view) of every open form, this view's form
    // at least.
    std::vector<FBASEVIEW*> AllFormViews();
    std::vector<FDESIGNVIEW*> AllDesignViews();
    // The user's unit setting and every form view of every open form take
    // the unit (0 inches, 1 centimetres).
    void SetUnitEverywhere(uint8_t unit);
    // The Grid Spacings dialog on the current page's grid, in the view's
    // unit; OK sets the grid, and a changed unit everywhere.
    void OnGridSettings();
    // The Page Setup dialog on the current page's layout, the paper kept
    // at least as large as the form's objects reach; OK stores it.
    void OnPageSetup();
    // The Options dialog: a changed unit reaches every view, changed
    // display switches are stored and every form view repainted.
    void OnOptions();

private:
    // Hands a page hint to the form's other views.
    void SendPageHint(const FHINT& hint);

    FDESIGNVIEW& view;
};
