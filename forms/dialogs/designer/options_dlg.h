// The Options dialog: the ruler unit and the designer's three display
// switches.
#pragma once

#include "platform/ui/dialog/dialog.h"

#include <cstdint>

inline constexpr unsigned kOptionsDialogId = 2182;

class OPTIONS_DLG : public ui::Dialog {
public:
    explicit OPTIONS_DLG(QWidget* parent = nullptr);

    int checkBoxOutlines = 0;
    int baselines = 0;
    int margins = 0;
    // 0 inches, 1 centimetres.
    uint8_t units = 0;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
};
