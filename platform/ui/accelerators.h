// Accelerator keys: key presses in a window that send commands, unless the
// command's update handler disables it.
#pragma once

#include "platform/ui/cmd_target.h"

#include <Qt>

#include <memory>
#include <vector>

class QKeyEvent;
class QObject;
class QWidget;

namespace ui {

struct Accelerator {
    int key; // Qt::Key
    Qt::KeyboardModifiers modifiers;
    unsigned id;
};

class AcceleratorTable {
public:
    AcceleratorTable(std::vector<Accelerator> entries, CmdTarget& target);
    ~AcceleratorTable();

    // The command of the entry matching the key press (same key, same Shift,
    // Control, Alt and Meta), or 0.
    unsigned Find(const QKeyEvent& key) const;
    // Sends the matching command when it is enabled. True when the key
    // matched an entry: the key press is then spent, run or not.
    bool Translate(const QKeyEvent& key);

    // Translates every key press addressed to the window or its children.
    void Install(QWidget& window);

private:
    std::vector<Accelerator> entries_;
    TargetPtr<CmdTarget> target_;
    std::unique_ptr<QObject> filter_;
};

} // namespace ui
