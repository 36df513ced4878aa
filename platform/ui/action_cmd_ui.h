// Update state applied to a Qt action (a menu item or tool bar button).
#pragma once

#include "platform/ui/cmd_ui.h"

class QAction;

namespace ui {

class ActionCmdUI : public CmdUI {
public:
    ActionCmdUI(QAction& action, unsigned id);

    void Enable(bool on = true) override;
    // Any non-zero check shows the item checked.
    void SetCheck(int check = 1) override;
    void SetText(std::string_view cp1252) override;

private:
    QAction& action_;
};

} // namespace ui
