// Frame windows on the command route: a child frame offers commands to its
// active view first; the main frame offers them to its active child frame,
// then takes them itself, and passes the rest to the application.
#pragma once

#include "platform/ui/view.h"

namespace ui {


class Frame : public Wnd {
public:
    View* GetActiveView() const { return activeView_.get(); }
    void SetActiveView(View* view) { activeView_.reset(view); }

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

private:
    TargetPtr<View> activeView_;
};

class MainFrame : public Frame {
public:
    Frame* GetActiveChild() const { return activeChild_.get(); }
    void SetActiveChild(Frame* child) { activeChild_.reset(child); }

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

private:
    TargetPtr<Frame> activeChild_;
};

} // namespace ui
