// The items of a menu bar or tool bar: Qt actions that carry command ids,
// send their command to one target and take their state from its update
// handlers on every idle pass.
#pragma once

#include "platform/ui/cmd_target.h"

#include <QObject>
#include <QPointer>

#include <utility>
#include <vector>

class QAction;
class QMenu;

namespace ui {

class CommandBar {
public:
    // Registers with the current App (if any) for idle updates.
    explicit CommandBar(CmdTarget& target);
    ~CommandBar();
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    // Null once the target is destroyed.
    CmdTarget* Target() const { return target_.get(); }

    // The action's trigger posts command id to the target (after the menu or
    // button has finished with the click, as the command may rebuild them).
    QAction* Bind(QAction* action, unsigned id);
    QAction* FindAction(unsigned id) const;
    // The command id an action was bound to, or 0.
    static unsigned CommandId(const QAction& action);

    // Runs the update handlers of every item; items whose command nobody on
    // the route handles are disabled.
    void UpdateItems();
    // Also updates the items whenever the menu is about to open.
    void UpdateWhenShown(QMenu& menu);

private:
    TargetPtr<CmdTarget> target_;
    QObject context_;
    std::vector<std::pair<QPointer<QAction>, unsigned>> items_;
};

} // namespace ui
