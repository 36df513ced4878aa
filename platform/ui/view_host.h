// The permanent window of a frame's view: it hands every event to whichever
// view object is current, so that switching views keeps the window, its
// place in the frame and its children.
#pragma once

#include "platform/ui/cmd_target.h"

#include <QWidget>

namespace ui {

class View;

class ViewHost : public QWidget {
public:
    explicit ViewHost(QWidget* parent = nullptr);
    ~ViewHost() override;

    View* CurrentView() const { return view_.get(); }
    // Detaches the current view (if any) and attaches view (or none);
    // returns the view detached. The window itself stays as it is.
    View* SetView(View* view);

protected:
    bool event(QEvent* e) override;

private:
    TargetPtr<View> view_;
};

} // namespace ui
