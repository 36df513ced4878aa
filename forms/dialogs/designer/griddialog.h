// The Grid Spacings dialog: the unit, and the grid's spacing and offset in
// it. The values are checked on OK; switching the unit converts what the
// edits hold.
#pragma once

#include "forms/dialogs/designer/grid_values.h"

#include "platform/ui/dialog/dialog.h"

#include <optional>

inline constexpr unsigned kGridDialogId = 132;

class GRIDDIALOG : public ui::Dialog {
public:
    explicit GRIDDIALOG(QWidget* parent = nullptr);

    GridValues values;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    // Reads the four edits in order; the first that is not a number or out
    // of its range is told about and takes the focus.
    bool ReadEdits(bool checkRanges);
    void WriteEdits();
};
