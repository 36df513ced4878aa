// A window of the program as a command target: it receives its own timers,
// and its timers end with it.
#pragma once

#include "platform/ui/cmd_target.h"

namespace ui {

class Wnd : public CmdTarget {
public:
    Wnd() = default;
    ~Wnd() override;

    // Through the current App.
    void SetTimer(unsigned id, unsigned elapseMs);
    bool KillTimer(unsigned id);

    virtual void OnTimer(unsigned id);
};

} // namespace ui
