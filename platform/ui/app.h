// The one user-interface thread: the event loop, idle passes, timers by
// (window, id), and commands sent or posted to command targets.
#pragma once

#include "platform/ui/cmd_target.h"

#include <memory>
#include <string>
#include <string_view>

namespace ui {

class CommandBar;
class Wnd;

class App : public CmdTarget {
public:
    // A QApplication must exist; only one App at a time.
    App();
    ~App() override;

    static App* Current();

    // Runs the event loop until Quit; returns Quit's code. A Quit made
    // while the loop was not running ends the next Run at once.
    int Run();
    void Quit(int code = 0);

    // The idle pass the event loop runs whenever it is about to wait:
    // OnIdle with counts 0, 1, ... until it returns false.
    void Idle();
    // Count 0 updates every command bar's items; returns true to be called
    // again with the next count.
    virtual bool OnIdle(long count);

    // The program's name (Windows-1252): the caption of its message boxes.
    void SetAppName(std::string_view cp1252);
    const std::string& AppName() const;

    // The target that menus, tool bars and accelerators send commands to.
    void SetMainWnd(CmdTarget* target);
    CmdTarget* MainWnd() const;

    // Runs the command along the target's route before returning; a command
    // whose update handler disables it is not run. True when it ran.
    bool SendCommand(CmdTarget& target, unsigned id);
    // Queues the command; queued commands run in the order posted, each as
    // SendCommand would. Commands to a target destroyed meanwhile are dropped.
    void PostCommand(CmdTarget& target, unsigned id);

    // Starts or replaces the timer (wnd, id); the window's OnTimer(id) runs
    // every elapseMs milliseconds (at least 10) until the timer is killed or
    // the window destroyed.
    void SetTimer(Wnd& wnd, unsigned id, unsigned elapseMs);
    bool KillTimer(Wnd& wnd, unsigned id);
    void KillTimers(Wnd& wnd);

    // Command bars register themselves so that idle passes update them.
    void AddCommandBar(CommandBar& bar);
    void RemoveCommandBar(CommandBar& bar);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace ui
