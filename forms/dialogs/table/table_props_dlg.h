// The Table Properties dialog: a table's name, its numbers of columns and
// rows, and its style, chosen by clicking one of four samples. The caller
// supplies the checks that need the form: whether a new name may be given,
// and whether a count makes every column or row be resized.
#pragma once

#include "forms/dialogs/table/table_counts.h"
#include "forms/dialogs/table/table_style_samples.h"

#include "platform/ui/dialog/dialog.h"

#include <functional>
#include <string>

inline constexpr unsigned kTablePropsDialogId = 2021;

class TABLE_PROPS_DLG : public ui::Dialog {
public:
    // Accepts a new name, and may rewrite it, or refuses it after telling
    // the user why.
    using NameCheck = std::function<bool(std::string& name)>;
    // Whether this many columns (or rows) makes every column (or row) of
    // the edited table be resized, with the header bands chosen.
    using ResizeCheck = std::function<bool(int count, bool columnHeaders, bool rowHeaders)>;

    explicit TABLE_PROPS_DLG(QWidget* parent = nullptr);

    // Shown when the dialog opens and set by OK (Cancel leaves them). The
    // name has at most 20 characters.
    std::string name;
    int rows = 4;
    int columns = 4;
    bool columnHeaders = false;
    bool rowHeaders = false;

    // The largest counts the page allows; a count is accepted from 1 to the
    // smaller of 25 and these.
    int pageRows = kMostTableCount;
    int pageColumns = kMostTableCount;
    // Run on OK only for a name that differs from the one shown at first;
    // none: any name is taken.
    NameCheck checkName;
    // None (a new table): OK asks nothing about resizing.
    ResizeCheck resizesAllColumns;
    ResizeCheck resizesAllRows;

    // The chosen style, an index into kTableStyles.
    int GetSelectedStyle() const { return samples.GetSelected(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    // Whether a count the edit holds is one the ranges accept, and the
    // user, asked with `message`, agrees to every column or row resized.
    bool ConfirmResize(
        int edit, int limit, const ResizeCheck& resizes, unsigned message, bool chosenColumns, bool chosenRows);
    // The data exchange of a count: a whole number within 1 to `limit`,
    // else the framework's message and the edit takes the focus.
    bool ReadCount(int edit, int limit, int& count);

    TABLE_STYLE_SAMPLES samples;
    std::string openingName;
};
