// The Page Setup dialog: paper size from the standard list or typed,
// orientation, margins, display unit and the contents-only switch. Leaving
// a length edit matches the paper list to the size; OK checks the values.
#pragma once

#include "forms/dialogs/designer/page_setup_values.h"

#include "platform/ui/dialog/dialog.h"

#include <map>
#include <string>

inline constexpr unsigned kPageSetupDialogId = 2040;

class PAGE_SETUP_DLG : public ui::Dialog {
public:
    explicit PAGE_SETUP_DLG(QWidget* parent = nullptr);

    PageSetupValues values;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    // The six lengths in the unit; each edit's text is remembered so that
    // an edit left as shown gives back its exact twips.
    void WriteLengths();
    // Reads the lengths: with report, the first that is no number is told
    // about and takes the focus; without, what does not parse is left.
    bool ReadLengths(bool report);
    void ReadRadios();
    void SyncPaperFromSize();
    void SyncPaperFromList();

    std::map<int, std::string> shown;
};
