// The state a command's update handler sets for one user-interface item
// (menu item, tool bar button, accelerator): enabled, check mark, text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

class CmdTarget;

class CmdUI {
public:
    explicit CmdUI(unsigned id);
    virtual ~CmdUI() = default;

    unsigned Id() const { return id_; }

    // Check values: 0 unchecked, 1 checked, 2 indeterminate.
    virtual void Enable(bool on = true);
    virtual void SetCheck(int check = 1);
    // Text is Windows-1252, with "&" mnemonics and an optional "\t" accelerator part.
    virtual void SetText(std::string_view cp1252);

    bool IsEnabled() const { return enabled_; }
    int Check() const { return check_; }
    const std::optional<std::string>& Text() const { return text_; }

    // Runs the update handler found along the target's route. When none is
    // found and disableIfNoHandler is set, the item is enabled exactly when
    // some command handler on the route would take the command.
    void DoUpdate(CmdTarget& target, bool disableIfNoHandler);

private:
    unsigned id_;
    bool enabled_ = true;
    bool enableChanged_ = false;
    int check_ = 0;
    std::optional<std::string> text_;
};

} // namespace ui
